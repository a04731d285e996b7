#ifndef RECORDS_H
#define RECORDS_H

#include <netinet/in.h>

// The link to the server. The sensors and the actuators each keep a copy of
// it and swap it whole. The POSIX function socket() shares the name, so code
// that also sees <sys/socket.h> must write the type as `struct socket`.
struct socket
{
  int socketfd;                  // -1 when opening the link failed
  struct sockaddr_in serv_addr;  // the server's address, network byte order
};

// The body state of one sense_body message, as the server reports it.
struct sensebody
{
  int time;
  char view_quality[10];
  char view_width[10];
  float stamina;
  float effort;
  float speed;
  int speed_dir;       // degrees, relative to the body
  float head_angle;    // degrees, relative to the body
  int kick;            // the server's counts of commands executed so far
  int dash;
  int turn;
  int say;
  int turn_neck;
};

// The referee's play mode. Values 1 to 9 are positive when the call favours
// our side and negative when it favours theirs.
typedef int PlayMode;

enum : int
{
  PM_BEFORE_KICK_OFF = 0,
  PM_KICK_OFF = 1,
  PM_KICK_IN = 2,
  PM_CORNER_KICK = 3,
  PM_GOAL_KICK = 4,
  PM_FREE_KICK = 5,
  PM_OFFSIDE = 6,
  PM_FOUL = 7,
  PM_GOAL = 8,
  PM_GOALIE_CATCH_BALL = 9,
  PM_PLAY_ON = 20,
  PM_HALF_TIME = 21,
  PM_TIME_OVER = 22,  // time_over and time_up
  PM_TIME_UP_WITHOUT_A_TEAM = 23,
  PM_TIME_EXTENDED = 24,
  PM_DROP_BALL = 25
};

#endif
