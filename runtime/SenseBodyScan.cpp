#include "SenseBodyScan.h"

#include "BoundedScan.h"

// The form of "(sense_body %d (view_mode %9s %9[^)]) (stamina %f %f) (speed
// %f %d) (head_angle %f) (kick %d) (dash %d) (turn %d) (say %d) (turn_neck
// %d))" read step by step: the message comes every cycle, and BoundedScan
// would read the form itself anew each time. Each step is one of
// BoundedScan's, so the two read alike.
int ScanSenseBody(const char *text, std::size_t length, sensebody &body)
{
    static_assert(sizeof body.view_quality == 10 && sizeof body.view_width == 10,
                  "the widths below leave room for the terminator");
    const std::size_t kViewWidth = sizeof body.view_quality - 1;
    body.view_quality[0] = '\0';
    body.view_width[0] = '\0';
    const char *pos = text;
    const char *end = text + length;
    int fields = 0;
    const auto integer = [&](const char *before, int &value) {
        return MatchAt(pos, end, before) && ScanIntAt(pos, end, value) && ++fields;
    };
    const auto real = [&](const char *before, float &value) {
        return MatchAt(pos, end, before) && ScanFloatAt(pos, end, value) && ++fields;
    };
    if (!integer("(sense_body ", body.time))
        return fields;
    if (!(MatchAt(pos, end, " (view_mode ") && ScanWordAt(pos, end, kViewWidth, body.view_quality) && ++fields))
        return fields;
    if (!(MatchAt(pos, end, " ") && ScanUntilAt(pos, end, kViewWidth, ')', body.view_width) && ++fields))
        return fields;
    real(") (stamina ", body.stamina) && real(" ", body.effort) && real(") (speed ", body.speed) &&
        integer(" ", body.speed_dir) && real(") (head_angle ", body.head_angle) && integer(") (kick ", body.kick) &&
        integer(") (dash ", body.dash) && integer(") (turn ", body.turn) && integer(") (say ", body.say) &&
        integer(") (turn_neck ", body.turn_neck);
    return fields;
}
