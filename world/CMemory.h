#ifndef CMEMORY_H
#define CMEMORY_H

#include <pthread.h>

#include <atomic>
#include <initializer_list>
#include <iosfwd>

#include "CBall.h"
#include "CBallTrack.h"
#include "CFlag.h"
#include "CGoal.h"
#include "CLine.h"
#include "CModule.h"
#include "CPlayer.h"
#include "CVector.h"
#include "PlayerInterface.h"
#include "Records.h"

class MCDictIniSafe;

// The world model: the agent's own state, the landmarks, the ball and the
// players. Its mutex is the world-model lock; every operation expects the
// caller to hold it.
class CMemory : public CModule
{
public:
  static const int MAX_PLAYERS = 11;
  static const int MAX_UNKNOWN = 22;
  static const int NUM_FLAGS = 53;

  // The operations the agent calls by their own names are virtual so that a
  // stand-in can watch what reaches the world model.
  explicit CMemory(CMediator *mediator);
  ~CMemory() override;

  void Init(MCDictIniSafe &config);
  void InitPlayerArrays(char side, MCDictIniSafe &config);
  virtual void DeletePlayerArrays();
  void RevertSigns();

  virtual void Lock();
  virtual void Unlock();

  virtual void Display(std::ostream &out) const;

  // The module operations the world model answers itself.
  void StorePlayers() override;
  void RemoveGhosts() override;
  void EraseMemory() override;
  void SetTime(int time) override;
  int GetTime() const override;
  void SetNewTime(int time) override;
  int GetNewTime() const override;
  int GetPreviousVisualTime() const override;
  void SetLastVisualInterval(int interval) override;
  int GetLastVisualInterval() const override;
  void SetLastVisualTime(int time) override;
  int GetLastVisualTime() const override;
  void SetGPos(CVector pos) override;
  CVector GetGPos() const override;
  void SetFacing(float facing) override;
  float GetFacing() const override;
  void SetBFacing(float facing) override;
  float GetBFacing() const override;
  void SetSB(sensebody sb) override;
  sensebody GetSB() const override;
  float GetViewAngle() const override;
  void SetVelocity(CVector velocity) override;
  CVector GetVelocity() const override;
  void SetGPosCorr(CVector correction) override;
  CVector GetGPosCorr() const override;
  void SetGPosCorrTime(int time) override;
  int GetGPosCorrTime() const override;
  void SetPastKick(CVector kick, int time) override;
  void SetPassReceiver(int unum) override;
  int GetPassReceiver() const override;
  bool AmIThePassReceiver() const override;
  void SetPassReceiverTime(int time) override;
  int GetPassReceiverTime() const override;
  void SetNextSpeaker(int unum) override;
  int GetNextSpeaker() const override;
  void SetNextSpeakerTime(int time) override;
  int GetNextSpeakerTime() const override;
  // Served under their own names: without these overrides a request would
  // go back to the mediator, which routes it here again.
  CPlayer *GetAValidFriend(int n) const override;
  CPlayer *GetAValidFoe(int n) const override;
  CPlayer *GetClosestValidFriend2Point(int n, CVector point) const override;
  CPlayer *GetClosestValidFoe2Point(int n, CVector point) const override;
  CPlayer *GetClosestValidFriend2Me(int n) const override;
  CPlayer *GetClosestValidFoe2Me(int n) const override;
  CPlayer *GetClosestValidFriend2Ball(int n) const override;
  CPlayer *GetClosestValidFoe2Ball(int n) const override;
  CPlayer *GetClosestValidTeamless2Me(int n) const override;
  void DoSortyThing(int mask, BasePlayerCompare &compare, sorted_players &list) override;
  void SortValidFriends2Me(sorted_players &list) override;
  void SortValidFriends2Ball(sorted_players &list) override;
  void SortValidFoes2Me(sorted_players &list) override;
  void SortValidFoes2Ball(sorted_players &list) override;
  CPlayer *GetPlayerWithin(float distTol, float dirTol, float dist, float dir) const override;
  float GetOffsideLine() const override;
  float GetOurOffsideLine() const override;
  // Cones with their tip at apex and their axis towards end.
  int NumFoesInCone(float width, CVector end, CVector apex) const override;
  int NumFriendsInCone(float width, CVector end, CVector apex, bool withMe) const override;
  int NumPlayersInCone(float width, CVector end, CVector apex) const override;
  CPlayer *OurGoalie() override;
  CPlayer *TheirGoalie() override;
  void StoreBallFromAudio(const CBall &ball) const override;
  void StorePlayerFromAudio(const CPlayer &player) const override;
  void StorePassFromAudio(int time, int receiver, CVector target) const override;
  // How many heard balls, players and passes the store has taken so far.
  int GetHeardKept() const { return m_HeardKept; }

  // What the sensors write from a visual message.
  virtual void SetPlayer(int time, int number, char team, float distance, float direction,
                 float distChange, float dirChange, float bodyFacing, float headFacing,
                 bool goalie);
  virtual void SetGoal(int time, char side, float distance, float direction);
  virtual void SetBall(int time, float distance, float direction, float distChange,
               float dirChange, int unidentified);
  virtual void SetFlag(int time, int number, float distance, float direction, float distChange,
               float dirChange);
  virtual void SetLine(int time, char side, float distance, float direction);

  // The single objects; null for an identifier that names none.
  virtual const CGoal *GetGoal(char side) const;
  virtual CGoal *GetNonConstGoal(char side);
  virtual const CBall *GetBall() const;
  virtual CBall *GetNonConstBall();
  virtual const CFlag *GetFlag(int number) const;
  virtual const CLine *GetLine(char side) const;

  // Keeping the model current.
  virtual void Update4Action(const char *command);
  void Update4Turn(float angle);
  void Update4Dash(float power);
  void Update4Kick(float power, float direction);
  void Update4TurnNeck(float angle);
  void Update4ChangeView(char *width, char *quality);
  virtual void Update4NewCycle();
  virtual void UpdateRelatives();
  virtual void UpdateGlobals();
  virtual void PositionBasedVelocityEstimation4Ball();
  virtual void ForgetPastKick(int time);
  // The server refused a kick: by its truth the ball lay beyond reach.
  void PutBallBeyondReach();

  void SetFixPlan(int plan);
  int GetFixPlan() const;
  void SetFixPlanTime(int time);
  int GetFixPlanTime() const;

  float GetQuantizeFactor() const;
  float GetCollisionDistance() const;

  // Element i of the buffer of the players of the current visual (0 is its
  // header); null outside it or before the player arrays are made.
  const CPlayer *GetNewVisualPlayer(int i) const;

  // Shortcuts over the player queries: the ball's or the agent's position
  // as the point, the agent's position as the cone's apex.
  CPlayer *GetClosestValidTeamless2Ball(int n) const;
  int NumPlayersInCone(float ratio, CVector point) const;
  int NumFriendsInCone(float ratio, CVector point) const;
  int NumFoesInCone(float ratio, CVector point) const;

  // The player queries the shortcuts rest on. With copy false a sort only
  // refreshes the store's cached list, which the caller then reads itself.
  CPlayer *GetClosestValidTeamless2Point(int n, CVector point) const;
  void SortValidFriends2Me(sorted_players &list, bool copy) const;
  void SortValidFriends2Ball(sorted_players &list, bool copy) const;
  void SortValidFoes2Me(sorted_players &list, bool copy) const;
  void SortValidFoes2Ball(sorted_players &list, bool copy) const;
  CPlayer *GetAFriend(int i) const;
  CPlayer *GetAFoe(int i) const;

  // Player matching: files a seen or heard player into the record it most
  // likely is.
  void StorePlayer(CPlayer *seen, CPlayer **first, CPlayer **second, CPlayer **third);
  void MatchInArray(CPlayer *player, CPlayer **array, int n, bool takeOldest, float &score,
                    int &index, bool seenOnly);

  // Small numeric helpers of the world model.
  float SumGeomSeries(float first, float ratio, int n) const;
  float Exp(float x, int n) const;
  float Sqr(float x) const;
  int Sqr(int x) const;
  float NormaliseAngle(float angle) const;

private:
  pthread_mutex_t m_Mutex;
  // Read without the world-model lock for the cycle in error lines and by
  // the agent's events in the brain's and the actuators' threads.
  std::atomic<int> m_Time;
  int m_NewTime;
  int m_LastVisualInterval;
  int m_LastVisualTime;
  CVector m_GPos;
  float m_Facing;
  float m_BFacing;
  sensebody m_SB;
  CVector m_Velocity;
  CVector m_GPosCorr;
  int m_GPosCorrTime;
  int m_PassReceiver;
  int m_PassReceiverTime;

  // Parameters from the configuration.
  float m_FeelDistance;
  float m_PitchLength;
  float m_PitchWidth;
  float m_PenaltyAreaLength;
  float m_PenaltyAreaWidth;
  float m_PitchMargin;
  float m_GoalWidth;
  float m_BallRand;
  float m_PlayerSize;
  float m_BallSize;
  float m_PlayerDecay;
  float m_BallDecay;
  float m_PlayerSpeedMax;
  float m_BallSpeedMax;
  float m_KickableMargin;
  int m_MaxNeckAng;
  int m_MinNeckAng;
  float m_InertiaMoment;
  float m_KickPowerRate;
  float m_DashPowerRate;
  float m_QuantizeStep;
  float m_BallVelInvalidationFactor;
  float m_Epsilon;
  float m_StatConfDrop;
  float m_StatConfThr;
  float m_MobConfDrop;
  float m_MobConfThr;
  float m_MatchDistThr;
  float m_MatchTimeThr;
  int m_MaxStayTiredPeriod;
  float m_AudioConfBuffer;
  int m_StayPassReceiverPeriod;
  float m_StoppedSpeed;
  float m_CatchableAreaW;
  float m_CatchableAreaL;
  int m_CatchBanCycle;
  float m_QuantizeFactor;
  float m_Kickable;

  // Per-cycle caches of the player queries, which look like reads.
  mutable float m_OffsideLine;
  mutable int m_OffsideLineTime;
  mutable float m_OurOffsideLine;
  mutable int m_OurOffsideLineTime;
  int m_NextSpeaker;
  int m_NextSpeakerTime;
  int m_FixPlan;
  int m_FixPlanTime;
  float m_StaminaMax;
  float m_StaminaIncMax;
  float m_CollisionDistance;
  float m_RemoveGhostsBuf;

  CPlayer m_Me;
  // Per-cycle caches of the player queries.
  mutable sorted_players m_SortedFriends2Me;
  mutable sorted_players m_SortedFriends2Ball;
  mutable sorted_players m_SortedFoes2Me;
  mutable sorted_players m_SortedFoes2Ball;

  CGoal m_GoalClose;
  CFlag m_FlagClose;
  CLine m_LineClose;
  CLine m_LineL;
  CLine m_LineT;
  CLine m_LineR;
  CLine m_LineB;
  CFlag m_Flag[NUM_FLAGS];  // flag k is element k - 1
  CGoal m_GoalL;
  CGoal m_GoalR;
  CBall m_Ball;
  // How far the ball's reckoning is trusted, to blend far sightings with it.
  CBallTrack m_BallTrack;

  CPlayer *m_ClosePlayer[MAX_PLAYERS];
  CPlayer *m_Friend[MAX_PLAYERS];
  CPlayer *m_Foe[MAX_PLAYERS];
  CPlayer *m_UnknownPlayer[MAX_UNKNOWN];
  // Element 0 is the header: its Time is the cycle the players were seen
  // in and its UNum their number.
  CPlayer *m_NewVisual[MAX_UNKNOWN];

  // Calls f with a reference to each entry of the five player arrays.
  template <typename F>
  void ForEachRecordSlot(F f)
  {
    for (CPlayer **array : {m_ClosePlayer, m_Friend, m_Foe})
      for (int i = 0; i < MAX_PLAYERS; i++)
        f(array[i]);
    for (CPlayer **array : {m_UnknownPlayer, m_NewVisual})
      for (int i = 0; i < MAX_UNKNOWN; i++)
        f(array[i]);
  }
  // Writes the store's error line for a request it cannot serve.
  void Complain(const char *function, const char *text) const;
  void InitLandmarks();
  // The line or goal of an identifier, null for none.
  CLine *LineRecord(char side) const;
  CGoal *GoalRecord(char side) const;
  // The same for a getter, which reports an identifier that names none.
  CGoal *AskedGoal(char side) const;
  void FreePlayerRecords();
  void ResetSortedLists();
  // The player queries' work.
  struct Group
  {
    CPlayer *const *players;
    int size;
  };
  void SortInto(int mask, BasePlayerCompare &compare, sorted_players &list) const;
  void RefreshSort(sorted_players &cache, int mask, CVector reference, sorted_players &list,
                   bool copy) const;
  CPlayer *NthValid(int n, std::initializer_list<Group> groups) const;
  CPlayer *NthClosest(int n, CVector point, int mask, sorted_players *toMe,
                      sorted_players *toBall) const;
  int CountInCone(CPlayer *const *players, float width, CVector end, CVector apex) const;
  CPlayer *FlaggedGoalie(CPlayer *const *players) const;
  // The heard objects' work; the mediator's interface declares their entry
  // points const although they write the store.
  void HearBall(const CBall &ball);
  void HearPlayer(CPlayer player);
  // The record rewritten from a sighting or word of the player, with where
  // he lies from the agent worked out afresh.
  void FileNews(CPlayer *record, const CPlayer &news);
  // The cycle of the sighting a heard player's word passes on: its
  // confidence has dropped once a cycle since.
  int WordSightedAt(const CPlayer &heard) const;
  // A record filed from a word in this cycle that this heard player could
  // be, told a second time; null for none.
  CPlayer *ToldBefore(const CPlayer &heard, CPlayer **array) const;
  // Whether our latest look covered the heard player's place, fresher than
  // the word, and showed nobody near it.
  bool SeenNotThere(const CPlayer &heard) const;
  // Written by the sensors thread, read at the end of the run.
  std::atomic<int> m_HeardKept{0};
  // A far ball's sighting blended with where the model reckoned it.
  void BlendFarBall(bool reckoned, bool changeSeen, CVector reckonedPos, CVector reckonedVel);
  // The velocity of an object seen with these changes, in the global frame.
  CVector VelocityFromChanges(float dist, float dir, float distChng, float dirChng) const;
};

#endif
