#include "SenseBodyScan.h"

#include "BoundedScan.h"

int ScanSenseBody(const char *text, std::size_t length, sensebody &body)
{
    static_assert(sizeof body.view_quality == 10 && sizeof body.view_width == 10,
                  "the widths below leave room for the terminator");
    body.view_quality[0] = '\0';
    body.view_width[0] = '\0';
    return BoundedScan(text, length,
                       "(sense_body %d (view_mode %9s %9[^)]) (stamina %f %f) (speed %f %d) (head_angle %f) "
                       "(kick %d) (dash %d) (turn %d) (say %d) (turn_neck %d))",
                       &body.time, body.view_quality, body.view_width, &body.stamina, &body.effort, &body.speed,
                       &body.speed_dir, &body.head_angle, &body.kick, &body.dash, &body.turn, &body.say,
                       &body.turn_neck);
}
