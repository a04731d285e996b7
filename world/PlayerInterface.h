#ifndef PLAYERINTERFACE_H
#define PLAYERINTERFACE_H

#include "CVector.h"

class CPlayer;

// Orders two players for a sorted list: negative when the first is to stand
// before the second, positive when after, 0 when neither. The base keeps any
// order.
class BasePlayerCompare
{
public:
  virtual ~BasePlayerCompare() {}
  virtual int Compare(CPlayer &, CPlayer &) { return 0; }
};

// A list of players sorted by a comparator; the caller owns it.
struct sorted_players
{
  static const int MAX_ENTRIES = 55;  // every player record the store holds

  int time = 0;
  CVector reference;
  int count = 0;
  CPlayer *players[MAX_ENTRIES] = {};
};

#endif
