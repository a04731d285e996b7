#ifndef PLAYERINTERFACE_H
#define PLAYERINTERFACE_H

#include "CVector.h"

class CPlayer;

// Player groups of a sort, as bits of its mask. Everyone who may be an
// opponent is MASK_OPPONENTS: a close player or one of unknown side could be.
enum : int
{
  MASK_TEAMMATES = 1,
  MASK_FOES = 2,
  MASK_CLOSE = 4,
  MASK_UNKNOWN = 8,
  MASK_OPPONENTS = MASK_FOES | MASK_CLOSE | MASK_UNKNOWN
};

// Orders two players for a sorted list: negative when the first is to stand
// before the second, positive when after, 0 when neither. The base keeps any
// order. Every comparator is built from a reference point; only the one by
// distance uses it.
class BasePlayerCompare
{
public:
  BasePlayerCompare() {}
  explicit BasePlayerCompare(CVector reference) : m_Reference(reference) {}
  virtual ~BasePlayerCompare() {}
  virtual int Compare(CPlayer &, CPlayer &) { return 0; }
  // A comparator that orders by one number of each player gives it here,
  // such that Compare(a, b) > 0 exactly when Key(a) > Key(b): a sort then
  // works each player's number out once instead of once a comparison.
  // False when the order is no such number (so by default, as a comparator
  // that overrides only Compare must be asked pair by pair).
  virtual bool Key(CPlayer &, float &key)
  {
    key = 0;
    return false;
  }

  // True for a comparator that asks for no order at all: the sort then
  // hands the players in the store's own order without comparing them.
  // A field, not a virtual call: every sort asks.
  bool KeepsStoreOrder() const { return m_KeepsStoreOrder; }

protected:
  CVector m_Reference;
  bool m_KeepsStoreOrder = false;
};

// No order: the valid players as the store holds them, for a caller that
// looks at each once and needs no sort.
class StoreOrderCompare : public BasePlayerCompare
{
public:
  StoreOrderCompare() { m_KeepsStoreOrder = true; }
};

// Nearest to the reference point first.
class DistPlayerCompare : public BasePlayerCompare
{
public:
  explicit DistPlayerCompare(CVector reference) : BasePlayerCompare(reference) {}
  int Compare(CPlayer &first, CPlayer &second) override;
  bool Key(CPlayer &player, float &key) override;
};

class LowestXPlayerCompare : public BasePlayerCompare
{
public:
  explicit LowestXPlayerCompare(CVector reference) : BasePlayerCompare(reference) {}
  int Compare(CPlayer &first, CPlayer &second) override;
  bool Key(CPlayer &player, float &key) override;
};

class HighestXPlayerCompare : public BasePlayerCompare
{
public:
  explicit HighestXPlayerCompare(CVector reference) : BasePlayerCompare(reference) {}
  int Compare(CPlayer &first, CPlayer &second) override;
  bool Key(CPlayer &player, float &key) override;
};

class HighestConfPlayerCompare : public BasePlayerCompare
{
public:
  explicit HighestConfPlayerCompare(CVector reference) : BasePlayerCompare(reference) {}
  int Compare(CPlayer &first, CPlayer &second) override;
  bool Key(CPlayer &player, float &key) override;
};

// A list of players sorted by a comparator; the caller owns it. Entries from
// count on point at the agent's own record, never at nothing.
struct sorted_players
{
  static const int MAX_ENTRIES = 55;  // every player record the store holds

  int time = 0;
  CVector reference;
  int count = 0;
  CPlayer *players[MAX_ENTRIES] = {};
};

#endif
