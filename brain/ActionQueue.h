#ifndef ACTIONQUEUE_H
#define ACTIONQUEUE_H

// The kind of a cycle's main command.
typedef int CMDType;

enum : int
{
  CMD_NONE = 0,
  CMD_DASH = 1,
  CMD_TURN = 2,
  CMD_KICK = 3,
  CMD_CATCH = 4,
  CMD_MOVE = 5,
  CMD_BYE = 6,
  CMD_TACKLE = 7
};

// Deferred scans: what the sensors thread turns once the visual arrives.
enum : int
{
  SCAN_NONE = 0,
  SCAN_BODY = 1,
  SCAN_NECK = 2
};

// One cycle's commands: at most one main command, plus the optional neck
// turn, say, view change and sense_body request, sent in that order.
struct ACTIONQUEUE
{
  static const int SAY_LENGTH = 640;
  static const int VIEW_LENGTH = 10;

  int time;             // the cycle the bundle belongs to; -999 when empty
  CMDType command;
  float angle;          // turn: the moment; kick: direction; catch: direction
  float power;          // dash and kick
  int move_x;
  int move_y;
  float neck_angle;
  bool turn_neck;
  char say_text[SAY_LENGTH];
  bool say;
  char view_width[VIEW_LENGTH];
  char view_quality[VIEW_LENGTH];
  bool change_view;
  bool sense_body;
  bool wait_for_visual;  // after sending, wait for the next visual
  int scan_type;         // SCAN_NONE, SCAN_BODY or SCAN_NECK
  float scan_angle;
};

// Time -999, every number zero, texts empty, flags off.
void EmptyActionQueue(ACTIONQUEUE &queue);
// Field by field, the texts by bounded copies that stay terminated.
void CopyActionQueue(ACTIONQUEUE &to, const ACTIONQUEUE &from);

#endif
