#include "rules/ExpertView.h"

#include <string>

namespace zelvaro {
namespace {

// FNV-1a, one step a byte.
class Fingerprint {
public:
    void add(std::uint64_t number) {
        for (int i = 0; i < 8; ++i) addByte(static_cast<unsigned char>(number >> (8 * i)));
    }
    void add(const std::string& text) {
        for (unsigned char c : text) addByte(c);
        addByte(0xFF);
    }
    template <std::size_t N>
    void add(const std::array<Card, N>& cards) {
        for (const Card& card : cards) {
            addByte(static_cast<unsigned char>(card.value));
            addByte(static_cast<unsigned char>(card.suit));
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    void addByte(unsigned char c) { hash_ = (hash_ ^ c) * 1099511628211ULL; }
    std::uint64_t hash_ = 14695981039346656037ULL;
};

}  // namespace

std::uint64_t viewHash(const ExpertView& view) {
    Fingerprint f;
    f.add(static_cast<std::uint64_t>(view.seat));
    f.add(view.hand);
    f.add(view.trick);
    f.add(static_cast<std::uint64_t>(view.trickleader));
    for (std::int16_t n : view.gone) f.add(static_cast<std::uint64_t>(n));
    for (int v : view.prize) f.add(static_cast<std::uint64_t>(v));
    for (int n : view.cardsHeld) f.add(static_cast<std::uint64_t>(n));
    for (int s : view.scores) f.add(static_cast<std::uint64_t>(static_cast<std::int64_t>(s)));
    const MatchOptions& o = view.options;
    for (const std::string* text :
         {&o.tipopartita, &o.cambiocarte, &o.duesuperaasso, &o.punteggio, &o.premio, &o.limite}) {
        f.add(*text);
    }
    return f.value();
}

}  // namespace zelvaro
