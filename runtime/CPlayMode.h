#ifndef CPLAYMODE_H
#define CPLAYMODE_H

#include <pthread.h>

#include "CModule.h"
#include "Records.h"

// Keeps the referee's current and previous play modes.
class CPlayMode : public CModule
{
public:
  static const int TEXT_LENGTH = 50;

  explicit CPlayMode(CMediator *mediator);
  ~CPlayMode() override;

  void Lock();
  void Unlock();
  void SetPlayMode(const char *text);
  PlayMode GetPlayMode(bool current) const;
  int GetPlayModeTime(bool current) const;
  // Whether the referee's latest call or the one before it, heard in
  // `cycle` or after, stops play so that the server takes no kick: a kick
  // sent in that cycle may have reached it after the call.
  bool KicksRefusedSince(int cycle) const;
  void Display() const;

private:
  pthread_mutex_t m_Mutex;
  PlayMode m_PrevID;
  int m_PrevTime;
  char m_PrevText[TEXT_LENGTH];
  PlayMode m_ID;
  int m_Time;
  char m_Text[TEXT_LENGTH];
};

#endif
