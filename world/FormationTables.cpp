#include "FormationTables.h"

const FormationPoint ThreeThreeFour[11] = {
  {-50, 0}, {-30, -20}, {-30, 0}, {-30, 20}, {0, -17}, {0, 0},
  {0, 17}, {17, -25}, {27, -7}, {27, 7}, {17, 25}};

const FormationPoint FourThreeThree[11] = {
  {-50, 0}, {-30, -25}, {-30, -8}, {-30, 8}, {-30, 25}, {0, -17},
  {0, 0}, {0, 17}, {27, -25}, {27, 0}, {27, 25}};

const FormationPoint FiveThreeTwo[11] = {
  {-50, 0}, {-30, -20}, {-40, -10}, {-30, 0}, {-40, 10}, {-30, 20},
  {-5, -17}, {-5, 0}, {-5, 17}, {20, -10}, {20, 10}};

namespace
{
// The last defender and the last midfielder of each formation, -1 first.
const int kLastDefender[3] = {4, 5, 6};
const int kLastMidfielder[3] = {7, 8, 9};

struct KickOffPoint
{
  int formation;
  int unum;
  FormationPoint point;
};

const KickOffPoint kKickOff[] = {
  {-1, 6, {-10, 7}}, {-1, 9, {-10, -7}}, {-1, 10, {-1, 1}},
  {0, 7, {-9, -5}},  {0, 10, {-1, 1}},
  {1, 8, {-10, -7}}, {1, 10, {-1, 1}},   {1, 11, {-10, 7}}};
}

const FormationPoint *FormationTable(int formation)
{
  switch (formation)
  {
    case -1:
      return ThreeThreeFour;
    case 0:
      return FourThreeThree;
    case 1:
      return FiveThreeTwo;
    default:
      return nullptr;
  }
}

CVector FormationHomePos(int formation, int unum)
{
  const FormationPoint *table = FormationTable(formation);
  if (!table || unum < 1 || unum > 11)
    return CVector(999, 999);
  return CVector(static_cast<float>(table[unum - 1].x), static_cast<float>(table[unum - 1].y));
}

int FormationRole(int formation, int unum)
{
  if (unum < 1 || unum > 11 || formation < -1 || formation > 1)
    return 0;
  if (unum == 1)
    return 1;
  if (unum <= kLastDefender[formation + 1])
    return 2;
  if (unum <= kLastMidfielder[formation + 1])
    return 3;
  return 4;
}

bool KickOffException(int formation, int unum, FormationPoint &point)
{
  for (const KickOffPoint &k : kKickOff)
    if (k.formation == formation && k.unum == unum)
    {
      point = k.point;
      return true;
    }
  return false;
}
