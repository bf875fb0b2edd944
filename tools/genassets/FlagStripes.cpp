#include "FlagStripes.h"

#include "FlagKit.h"

namespace flag {

void italy(QPainter& p) {
    vertical(p, {0x009246, 0xffffff, 0xce2b37});
}
void france(QPainter& p) {
    vertical(p, {0x0055a4, 0xffffff, 0xef4135});
}
void ireland(QPainter& p) {
    vertical(p, {0x169b62, 0xffffff, 0xff883e});
}
void belgium(QPainter& p) {
    vertical(p, {0x000000, 0xfdda24, 0xef3340});
}
void germany(QPainter& p) {
    horizontal(p, {0x000000, 0xdd0000, 0xffce00});
}
void netherlands(QPainter& p) {
    horizontal(p, {0xae1c28, 0xffffff, 0x21468b});
}
void austria(QPainter& p) {
    horizontal(p, {0xc8102e, 0xffffff, 0xc8102e});
}
void russia(QPainter& p) {
    horizontal(p, {0xffffff, 0x0039a6, 0xd52b1e});
}
void poland(QPainter& p) {
    horizontal(p, {0xffffff, 0xdc143c});
}

}  // namespace flag
