#include "ZPBeMem.h"

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CGoal.h"
#include "CPlayer.h"
#include "MCDictIniSafe.h"
#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSPoint.h"
#include "MCSRectangle.h"

CBehaviours *ZPBeMem::bigbosslivehere = nullptr;
ZPBeMem *ZPBeMem::registrant = nullptr;
double ZPBeMem::ballsize = 0.085;
double ZPBeMem::playersize = 0.3;
double ZPBeMem::def_mid = -20;
double ZPBeMem::def_mid_overlap = 10;
double ZPBeMem::mid_fwd = 15;
double ZPBeMem::mid_fwd_overlap = 5;
double ZPBeMem::def_wings = 34;
double ZPBeMem::def_wingoverlap = 0;
double ZPBeMem::swp_def = -55.0;
double ZPBeMem::swp_width = 15.0;
double ZPBeMem::mid_wings = 15;
double ZPBeMem::mid_wingoverlap = 5;
double ZPBeMem::fwd_wings = 15;
double ZPBeMem::fwd_wingoverlap = 5;
double ZPBeMem::min_space = 5;

namespace {

void Say(const char *operation, const char *text)
{
    MCLog::Log(1, MCString("ZPBeMem::") + operation + " : " + text);
}

// Where no home is known the agent is taken for a central defender.
const MCSPoint NoHome(-30, 0);

MCSPoint CentreOr(const MCMObject &shape, const MCSPoint &otherwise)
{
    return shape.valid() ? shape.at()->Centre() : otherwise;
}

} // namespace

ZPBeMem::ZPBeMem() {}

ZPBeMem::~ZPBeMem()
{
    if (registrant == this) {
        registrant = nullptr;
        bigbosslivehere = nullptr;
    }
}

int ZPBeMem::Register(CBehaviours *brain, MCDictIniSafe &config)
{
    if (bigbosslivehere) {
        Say("Register", "Already registered.");
        return 1;
    }
    SetMem(this);
    struct Read
    {
        const char *section;
        const char *key;
        double *field;
        double byDefault;
        double scale;
    };
    const Read reads[] = {
        {"Server", "ball_size", &ballsize, 0.085, 1},
        {"Server", "player_size", &playersize, 0.3, 1},
        {"Positioning", "DefMidLine", &def_mid, -20, 1},
        {"Positioning", "DefMidOverlap", &def_mid_overlap, 20, 0.5},
        {"Positioning", "MidFwdLine", &mid_fwd, 15, 1},
        {"Positioning", "MidFwdOverlap", &mid_fwd_overlap, 10, 0.5},
        {"Positioning", "DefWing", &def_wings, 34, 1},
        {"Positioning", "DefWingOverlap", &def_wingoverlap, 0, 0.5},
        {"Positioning", "SweeperLine", &swp_def, -55.0, 1},
        {"Positioning", "SweeperWidth", &swp_width, 30.0, 0.5},
        {"Positioning", "MidWing", &mid_wings, 15, 1},
        {"Positioning", "MidWingOverlap", &mid_wingoverlap, 10, 0.5},
        {"Positioning", "FwdWing", &fwd_wings, 15, 1},
        {"Positioning", "FwdWingOverlap", &fwd_wingoverlap, 10, 0.5},
        {"Positioning", "MinimumSpace", &min_space, 5, 1},
    };
    for (const Read &r : reads)
        *r.field = config.getsafe(r.section, r.key, r.byDefault, 0) * r.scale;
    bigbosslivehere = brain;
    registrant = brain ? this : nullptr;
    return brain ? 1 : 0;
}

bool ZPBeMem::Boss(const char *operation) const
{
    if (bigbosslivehere)
        return true;
    Say(operation, "no boss, forgot to register?");
    return false;
}

MCMMyUnit ZPBeMem::Unit()
{
    MCMRegion home;
    int role = ROLE_NONE;
    CVector position(0, 0);
    if (Boss("Unit")) {
        home = Home();
        role = bigbosslivehere->GetRole();
        position = bigbosslivehere->GetGPos();
    }
    MCSPoint h = CentreOr(home, NoHome);
    if (!home.valid())
        Say("Unit", "Got invalid home location.");
    return MCMMyUnit(new MCSCircle(position.GetX(), position.GetY(), playersize), UnitOf(role, h));
}

MCMRoles ZPBeMem::UnitRole()
{
    if (!bigbosslivehere)
        return Unit().Role();
    // As Unit(): the home a point, so its centre.
    const CVector home = bigbosslivehere->GetHomePos();
    return UnitOf(bigbosslivehere->GetRole(), MCSPoint(home.GetX(), home.GetY()));
}

MCMRoles ZPBeMem::UnitOf(int role, const MCSPoint &h)
{
    if (role == ROLE_NONE)
        role = h.x > mid_fwd ? ROLE_FORWARD : h.x < def_mid ? ROLE_DEFENDER : ROLE_MIDFIELDER;
    MCMRoles unit;
    switch (role) {
    case ROLE_DEFENDER:
        if (h.x < swp_def && std::fabs(h.y) < swp_width)
            unit = MCMR_Sweeper;
        else
            unit = std::fabs(h.y) <= def_wings ? MCMR_CentralDefender : MCMR_OutsideDefender;
        break;
    case ROLE_MIDFIELDER:
        unit = std::fabs(h.y) <= mid_wings ? MCMR_CentralMidfielder : MCMR_OutsideMidfielder;
        break;
    case ROLE_FORWARD:
        unit = std::fabs(h.y) <= fwd_wings ? MCMR_CentralForward : MCMR_OutsideForward;
        break;
    default:
        Say("Unit", "Unable to establish role, why not?");
        unit = MCMR_CentralDefender;
        break;
    }
    return unit;
}

MCMRegion ZPBeMem::Home()
{
    CVector home(0, 0);
    if (Boss("Home"))
        home = bigbosslivehere->GetHomePos();
    return MCMRegion(new MCSPoint(home.GetX(), home.GetY()));
}

MCMRegion ZPBeMem::Zone()
{
    MCMRegion home, protect;
    if (Boss("Zone")) {
        home = Home();
        protect = Protect();
    }
    if (!home.valid())
        Say("Zone", "no home");
    MCSPoint h = CentreOr(home, NoHome);
    if (!protect.valid()) {
        Say("Zone", "unable to establish protection zone");
        return MCMRegion(new MCSRectangle(def_mid, -mid_wings, mid_fwd, mid_wings));
    }
    const MCShape &p = *protect.at();

    double left, right, wing, overlap;
    if (h.x < def_mid) {
        left = p.Left();
        right = def_mid + def_mid_overlap;
        wing = def_wings;
        overlap = def_wingoverlap;
    } else if (h.x <= mid_fwd) {
        left = def_mid - def_mid_overlap;
        right = mid_fwd + mid_fwd_overlap;
        wing = mid_wings;
        overlap = mid_wingoverlap;
    } else {
        left = mid_fwd - mid_fwd_overlap;
        right = p.Right();
        wing = fwd_wings;
        overlap = fwd_wingoverlap;
    }

    double low, high;
    if (h.y < -wing) {
        low = p.Bottom();
        high = overlap - wing;
    } else if (h.y <= wing) {
        high = wing + overlap;
        low = -(wing + overlap);
    } else {
        high = p.Top();
        low = wing - overlap;
    }

    // The narrowest zone is kept before the clip to the protected area's
    // left edge, which may narrow it again.
    if (right > p.Right())
        right = p.Right();
    if (left + min_space > right)
        left = right - min_space;
    if (left < p.Left())
        left = p.Left();
    if (high > p.Top())
        high = p.Top();
    if (low < p.Bottom())
        low = p.Bottom();
    return MCMRegion(new MCSRectangle(left, low, right, high));
}

MCMRegion ZPBeMem::Protect()
{
    MCMRegion world = World();
    MCMRegion attack = Attack();
    if (!world.valid()) {
        Say("Protect", "Unable to establish world");
        return MCMRegion(new MCSRectangle(0, 0, 0, 0));
    }
    const MCShape &w = *world.at();
    MCSRectangle *rest = new MCSRectangle(w.Left(), w.Bottom(), w.Right(), w.Top());
    if (!attack.valid())
        Say("Protect", "Unable to establish attack region");
    else
        rest->exclude(*attack.at());
    return MCMRegion(rest);
}

MCMBase ZPBeMem::ProtectCore()
{
    if (!bigbosslivehere)
        return MCMBase(new MCSLine(-52.5, -7.14, -52.5, 7.14));
    return MCMBase(bigbosslivehere->MCMGetGoal().clone());
}

MCMBase ZPBeMem::AttackCore()
{
    if (!bigbosslivehere)
        return MCMBase(new MCSLine(52.5, -7.14, 52.5, 7.14));
    return MCMBase(bigbosslivehere->MCMGetTheirGoal().clone());
}

MCMRegion ZPBeMem::World()
{
    if (!Boss("World"))
        return MCMRegion(new MCSRectangle(-52.5, -34, 52.5, 34));
    return MCMRegion(bigbosslivehere->MCMGetField().clone());
}

MCMRegion ZPBeMem::Target()
{
    MCSPoint ball;
    if (Boss("Target"))
        ball = bigbosslivehere->MCMGetBall();
    return MCMRegion(new MCSCircle(ball.x, ball.y, ballsize));
}

MCMRegion ZPBeMem::Attack()
{
    MCMRegion world = World();
    double right = 52.5, high = 34, low = -34;
    if (world.valid()) {
        right = world.at()->Right();
        high = world.at()->Top();
        low = world.at()->Bottom();
    }
    double left = 0;
    if (Boss("Attack"))
        left = bigbosslivehere->GetOffsideLine();
    return MCMRegion(new MCSRectangle(left, low, right, high));
}

bool ZPBeMem::Offensive()
{
    if (!Boss("Offensive")) {
        Say("Offensive", "assume we are attacking");
        return true;
    }
    return bigbosslivehere->IsOurPossession();
}

int ZPBeMem::Time()
{
    return Boss("Time") ? bigbosslivehere->GetTime() : 0;
}

bool ZPBeMem::ChangedSince(int t)
{
    return t < Time();
}

void ZPBeMem::SetScanner(MCMRegion region)
{
    m_Scanner = region;
    m_Scanner.unique();
}

ZPBeMem::Scan *ZPBeMem::Side::Of(int reason)
{
    switch (reason) {
    case MCM_CALL:
    case MCM_CTM:
        return &scans[0];
    case MCM_CTG:
        return &scans[1];
    case MCM_CTP:
        return &scans[2];
    default:
        return nullptr;
    }
}

void ZPBeMem::Reset(Side &side, int reason, int mask, const char *operation)
{
    if (!Boss(operation))
        return;
    Scan *scan = side.Of(reason);
    if (!scan)
        return;
    scan->cursor = 0;
    if (reason == MCM_CALL || reason == MCM_CTM) {
        if (mask == MASK_TEAMMATES)
            bigbosslivehere->SortValidFriends2Me(scan->list);
        else
            bigbosslivehere->SortValidFoes2Me(scan->list);
        return;
    }
    // Both sides' lists by the goal are ordered about the own goal.
    MCMObject about;
    if (reason == MCM_CTG)
        about = ProtectCore();
    else
        about = m_Scanner;
    if (!about.valid()) {
        Say(operation, reason == MCM_CTG ? "unable to locate goal" : "unable to locate scan");
        return;
    }
    MCSPoint c = about.at()->Centre();
    DistPlayerCompare nearest(CVector(static_cast<float>(c.x), static_cast<float>(c.y)));
    bigbosslivehere->DoSortyThing(mask, nearest, scan->list);
}

MCMUnit ZPBeMem::Next(Side &side, int reason)
{
    Scan *scan = side.Of(reason);
    MCMUnit unit;
    if (scan && Entry(side, reason, scan->cursor, unit))
        ++scan->cursor;
    return unit;
}

bool ZPBeMem::Entry(Side &side, int reason, int index, MCMUnit &unit)
{
    Scan *scan = side.Of(reason);
    if (!scan || index < 0 || index >= scan->list.count || index >= sorted_players::MAX_ENTRIES)
        return false;
    const CPlayer *player = scan->list.players[index];
    if (!player)
        return false;
    CVector at = player->GetGPos();
    unit = MCMUnit(new MCSCircle(at.GetX(), at.GetY(), playersize));
    return true;
}

void ZPBeMem::ResetTeam(int reason)
{
    Reset(m_Team, reason, MASK_TEAMMATES, "ResetTeam");
}

MCMUnit ZPBeMem::GetTeamMember(int reason)
{
    return Next(m_Team, reason);
}

bool ZPBeMem::GetTeamMember(int reason, int index, MCMUnit &unit)
{
    return Entry(m_Team, reason, index, unit);
}

void ZPBeMem::ResetOpponents(int reason)
{
    Reset(m_Opponents, reason, MASK_OPPONENTS, "ResetOpponents");
}

MCMUnit ZPBeMem::GetOpponent(int reason)
{
    return Next(m_Opponents, reason);
}

bool ZPBeMem::GetOpponent(int reason, int index, MCMUnit &unit)
{
    return Entry(m_Opponents, reason, index, unit);
}

// The brain's side of the bridge: world-model objects as the positioners'
// shapes.

MCSLine CBehaviours::MCMGetGoal()
{
    return GoalMouth(GetSide());
}

MCSLine CBehaviours::MCMGetTheirGoal()
{
    return GoalMouth(TheirSide());
}

MCSLine CBehaviours::GoalMouth(char side)
{
    const CGoal *goal = M2BReadGoal(side);
    CVector g = goal ? goal->GetGPos() : CVector(0, 0);
    return MCSLine(g.GetX(), g.GetY() - m_GoalWidth / 2, g.GetX(), g.GetY() + m_GoalWidth / 2);
}

MCSRectangle CBehaviours::MCMGetField()
{
    return MCSRectangle(m_FieldCRectangle.LeftX(), m_FieldCRectangle.BottomY(), m_FieldCRectangle.RightX(),
                        m_FieldCRectangle.TopY());
}

MCSPoint CBehaviours::MCMGetBall()
{
    const CBall *ball = M2BReadBall();
    if (!ball)
        return MCSPoint(0, 0);
    CVector at = ball->GetGPos();
    return MCSPoint(at.GetX(), at.GetY());
}
