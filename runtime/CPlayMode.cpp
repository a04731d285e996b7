#include "CPlayMode.h"

#include <iostream>

CPlayMode::CPlayMode(CMediator *mediator)
  : CModule(mediator), m_PrevID(0), m_PrevTime(0), m_PrevText(), m_ID(0), m_Time(0),
    m_Text()
{
  std::cout << "[Creating & Initialising Play Mode]" << std::endl;
  pthread_mutex_init(&m_Mutex, nullptr);
}

CPlayMode::~CPlayMode()
{
  pthread_mutex_destroy(&m_Mutex);
}

void CPlayMode::Lock()
{
  pthread_mutex_lock(&m_Mutex);
}

void CPlayMode::Unlock()
{
  pthread_mutex_unlock(&m_Mutex);
}

void CPlayMode::SetPlayMode(const char *)
{
}

PlayMode CPlayMode::GetPlayMode(bool current) const
{
  return current ? m_ID : m_PrevID;
}

int CPlayMode::GetPlayModeTime(bool current) const
{
  return current ? m_Time : m_PrevTime;
}

void CPlayMode::Display() const
{
}
