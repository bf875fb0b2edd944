// The order in which the game sorts names and other texts, as an Italian reader expects it:
// Çetin with the C, Özkan with the O, Şimşek with the S, ß as ss, letter case ignored.
#pragma once

#include <string_view>

namespace zelvaro {

// Compares two UTF-8 texts: negative when `a` comes first, 0 when they are the same text,
// positive when `b` comes first.
//
// The letters are compared by their base letter first (Ç, Ć and Č as c, Ø as o, Ł as l, ß as
// ss, Æ as ae; ASCII letters without their case); texts that are alike so far are told apart
// by their accents (the plain letter first: Cetin, then Çetin), then by the case of the
// letters beyond ASCII (Çetin, then çetin), and last by their bytes with ASCII letter case
// ignored. So the result is 0 exactly when the texts differ at most in the case of ASCII
// letters, as the database has always matched names ("rossi" finds "Rossi", "çetin" is
// not "Çetin"), and a text of ASCII only sorts against another exactly as it always did.
// Letters of the Latin-1 Supplement and Latin Extended-A have a base letter; any other
// character is compared by its code point, and bytes that are not UTF-8 by their value.
int compareNames(std::string_view a, std::string_view b);

// The order's name in the database, registered by every connection the game opens and
// declared on every text column, so on every index of names. A name of the game's own, never
// one of SQLite's (NOCASE, BINARY, RTRIM): another SQLite program, which lacks the order, then
// refuses what needs it ("no such collation sequence") instead of reading or writing those
// indexes in an order of its own.
inline constexpr const char* kNameCollation = "ZELVARO_NOMI";

}  // namespace zelvaro
