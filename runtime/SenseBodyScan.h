#ifndef SENSEBODYSCAN_H
#define SENSEBODYSCAN_H

#include <cstddef>

#include "Records.h"

// Scanner of a body-sense message, protocol 6.00, for example
//   (sense_body 207 (view_mode high normal) (stamina 8000 1) (speed 0 -135)
//    (head_angle -59) (kick 0) (dash 12) (turn 7) (say 5) (turn_neck 8))
// Fills the record's fields in their order and returns how many it read:
// kSenseBodyFields when the message was whole. Fields not read keep their
// values; the two view words are always terminated.
const int kSenseBodyFields = 13;

int ScanSenseBody(const char *text, std::size_t length, sensebody &body);

#endif
