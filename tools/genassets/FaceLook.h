#pragma once

// What makes one portrait differ from another, chosen from the face's number, and the frame
// of the head that every part of the face is drawn in.

#include <QColor>

namespace face {

enum class Hair { Bald, Buzz, Short, SidePart, Spiky, Curly, Afro, Long, Bob, Bun, Ponytail, Wavy };
enum class Eyes { Dot, Round, Happy, Almond };
enum class Brows { Arch, Straight, Raised, Thick };
enum class Mouth { Smile, Open, Grin, Small, Smirk };
enum class Nose { Curve, Button, Line };
enum class FacialHair { None, Beard, Moustache, Goatee, Stubble, Chevron };
enum class Collar { Crew, VNeck, Shirt, Turtle, Hoodie };
enum class Glasses { None, Round, Square, Wide };

// Everything that makes one face differ from another.
struct Look {
    QColor background;
    QColor skin;
    QColor hairColour;
    QColor eyeColour;
    QColor shirt;
    QColor glassesColour;
    Hair hair = Hair::Short;
    Eyes eyes = Eyes::Dot;
    Brows brows = Brows::Arch;
    Mouth mouth = Mouth::Smile;
    Nose nose = Nose::Curve;
    FacialHair facialHair = FacialHair::None;
    Collar collar = Collar::Crew;
    Glasses glasses = Glasses::None;
    bool feminine = false;
    bool older = false;
    bool earrings = false;
    bool hoops = false;
    bool freckles = false;
    bool blush = false;
    bool lipstick = false;
    bool bangs = false;
    qreal halfWidth = 27;
    qreal halfHeight = 32;
    qreal jaw = 0.6;
};

// The same index always gives the same look.
Look makeLook(int index);

// Geometry shared by all the drawing steps.
struct Frame {
    qreal cx = 60;
    qreal cy = 56;
    qreal hw = 27;
    qreal hh = 32;

    // The height of the eyes' centres, and how far each eye sits from the middle of the face.
    qreal eyeY() const { return cy + 1; }
    qreal eyeDx() const { return hw * 0.42; }
};

}  // namespace face
