#include "FaceLook.h"

#include <array>
#include <cstdint>
#include <random>

namespace face {

namespace {

// Deterministic choices from a generator seeded with the face number.
class Dice {
public:
    explicit Dice(int seed) : m_engine(static_cast<std::uint32_t>(seed) * 2654435761u + 12345u) {}
    int below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    qreal between(qreal low, qreal high) {
        return low + (high - low) * (m_engine() % 10001) / 10000.0;
    }
    template <typename T, std::size_t N>
    T pick(const std::array<T, N>& items) {
        return items[below(static_cast<int>(N))];
    }

private:
    std::mt19937 m_engine;
};

}  // namespace

Look makeLook(int index) {
    Dice dice(index);
    Look look;
    look.feminine = index % 2 == 0 ? dice.chance(70) : dice.chance(30);
    look.older = dice.chance(18);

    look.background = QColor::fromHsl(dice.below(360), 90 + dice.below(60), 214 + dice.below(16));
    static const std::array<QColor, 9> skins = {
        QColor(0xfd, 0xe2, 0xca), QColor(0xf6, 0xcf, 0xae), QColor(0xee, 0xbf, 0x97),
        QColor(0xe0, 0xac, 0x80), QColor(0xcf, 0x96, 0x67), QColor(0xb7, 0x7b, 0x4f),
        QColor(0x9a, 0x63, 0x3d), QColor(0x7c, 0x4c, 0x2e), QColor(0x5f, 0x3a, 0x24)};
    look.skin = dice.pick(skins);

    static const std::array<QColor, 9> hairs = {
        QColor(0x1e, 0x18, 0x16), QColor(0x3b, 0x28, 0x1e), QColor(0x5e, 0x3f, 0x2a),
        QColor(0x85, 0x5a, 0x36), QColor(0x9a, 0x3f, 0x1f), QColor(0xc2, 0x6b, 0x2e),
        QColor(0xd8, 0xb0, 0x5c), QColor(0xea, 0xcf, 0x8c), QColor(0x2a, 0x22, 0x2e)};
    look.hairColour = dice.pick(hairs);
    if (look.older)
        look.hairColour = dice.chance(50) ? QColor(0xb4, 0xb4, 0xb8) : QColor(0xe4, 0xe4, 0xe6);
    // Very dark skin with very light hair reads oddly at this size; darken it.
    if (look.skin.lightness() < 120 && look.hairColour.lightness() > 150 && !look.older)
        look.hairColour = QColor(0x1e, 0x18, 0x16);

    static const std::array<QColor, 6> irises = {
        QColor(0x5a, 0x3a, 0x22), QColor(0x3b, 0x2a, 0x1e), QColor(0x3f, 0x7f, 0xbf),
        QColor(0x4b, 0x8b, 0x5a), QColor(0x8a, 0x6a, 0x2e), QColor(0x55, 0x6b, 0x80)};
    look.eyeColour = dice.pick(irises);

    look.shirt = QColor::fromHsl(dice.below(360), 110 + dice.below(110), 90 + dice.below(70));

    if (look.feminine) {
        static const std::array<Hair, 9> styles = {Hair::Long, Hair::Long,     Hair::Bob,
                                                   Hair::Bun,  Hair::Ponytail, Hair::Curly,
                                                   Hair::Afro, Hair::Wavy,     Hair::Short};
        look.hair = dice.pick(styles);
    } else {
        static const std::array<Hair, 9> styles = {Hair::Bald,  Hair::Buzz,     Hair::Short,
                                                   Hair::Short, Hair::SidePart, Hair::SidePart,
                                                   Hair::Spiky, Hair::Curly,    Hair::Afro};
        look.hair = dice.pick(styles);
        if (look.older && dice.chance(35)) look.hair = Hair::Bald;
    }
    look.bangs = dice.chance(45);

    static const std::array<Eyes, 4> eyes = {Eyes::Dot, Eyes::Round, Eyes::Happy, Eyes::Almond};
    look.eyes = dice.pick(eyes);
    static const std::array<Brows, 4> brows = {Brows::Arch, Brows::Straight, Brows::Raised,
                                               Brows::Thick};
    look.brows = dice.pick(brows);
    static const std::array<Mouth, 5> mouths = {Mouth::Smile, Mouth::Open, Mouth::Grin,
                                                Mouth::Small, Mouth::Smirk};
    look.mouth = dice.pick(mouths);
    static const std::array<Nose, 3> noses = {Nose::Curve, Nose::Button, Nose::Line};
    look.nose = dice.pick(noses);
    static const std::array<Collar, 5> collars = {Collar::Crew, Collar::VNeck, Collar::Shirt,
                                                  Collar::Turtle, Collar::Hoodie};
    look.collar = dice.pick(collars);

    if (dice.chance(30)) {
        static const std::array<Glasses, 3> frames = {Glasses::Round, Glasses::Square,
                                                      Glasses::Wide};
        look.glasses = dice.pick(frames);
        static const std::array<QColor, 5> frameColours = {
            QColor(0x22, 0x22, 0x22), QColor(0x6b, 0x3a, 0x1e), QColor(0x1d, 0x4f, 0xa8),
            QColor(0xb0, 0x20, 0x40), QColor(0xa0, 0x80, 0x30)};
        look.glassesColour = dice.pick(frameColours);
    }
    if (!look.feminine && dice.chance(look.older ? 60 : 42)) {
        static const std::array<FacialHair, 5> beards = {FacialHair::Beard, FacialHair::Moustache,
                                                         FacialHair::Goatee, FacialHair::Stubble,
                                                         FacialHair::Chevron};
        look.facialHair = dice.pick(beards);
    }
    look.earrings = look.feminine ? dice.chance(55) : dice.chance(8);
    look.hoops = dice.chance(50);
    look.freckles = dice.chance(15) && look.skin.lightness() > 170;
    look.blush = dice.chance(look.feminine ? 70 : 35);
    look.lipstick = look.feminine && dice.chance(35);

    look.halfWidth = dice.between(25, 29);
    look.halfHeight = dice.between(30, 34);
    look.jaw = dice.between(0.45, 0.85);
    return look;
}

}  // namespace face
