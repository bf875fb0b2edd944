#pragma once

// The picture of the speed badges: a gauge whose needle, chevrons and lightning bolt say
// slow, normal or turbo.

class QPainter;

namespace badge {

// speed 0 slow, 1 normal, 2 turbo.
void paintGauge(QPainter& p, int speed);

}  // namespace badge
