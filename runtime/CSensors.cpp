#include "CSensors.h"

#include <iostream>

CSensors::CSensors(CMediator *mediator)
  : CModule(mediator), m_Socket(), m_RecvBuffer(), m_VisualText(), m_AudioText(),
    m_SenseBodyText(), m_NewVisual(false)
{
  m_Socket.socketfd = -1;
  std::cout << "[Creating Eyes & Ears             ]" << std::endl;
}

CSensors::~CSensors()
{
}

CSensors *CSensors::GetThis()
{
  return this;
}

void CSensors::SensorThread()
{
}

void CSensors::AnalyseData()
{
}

void CSensors::ParseSenseBody()
{
}

int CSensors::ParseVisual()
{
  return 0;
}

int CSensors::ParsePlayer(int, char *)
{
  return 0;
}

int CSensors::ParseGoal(int, char *)
{
  return 0;
}

int CSensors::ParseBall(int, char *)
{
  return 0;
}

int CSensors::ParseFlag(int, char *)
{
  return 0;
}

int CSensors::ParseLine(int, char *)
{
  return 0;
}

int CSensors::Flag2ID(char, char, char, int) const
{
  return -1;
}

void CSensors::ParseAudio()
{
}

float CSensors::NormaliseAngle(float angle)
{
  return angle;
}

void CSensors::Display() const
{
}

void CSensors::Abort(const char *, int code)
{
  DoExit(code);
}
