#ifndef CSENSORS_H
#define CSENSORS_H

#include <cstddef>

#include "CModule.h"
#include "Records.h"

// Hears the server: receives every datagram and parses see, hear and
// sense_body messages into the world model and the play mode.
class CSensors : public CModule
{
public:
  static const int BUFFER_LENGTH = 4128;

  explicit CSensors(CMediator *mediator);
  ~CSensors() override;

  CSensors *GetThis();
  void SensorThread();
  void AnalyseData();
  void ParseSenseBody();
  int ParseVisual();
  int ParsePlayer(int named, char *text);
  int ParseGoal(int named, char *text);
  int ParseBall(int named, char *text);
  int ParseFlag(int named, char *text);
  int ParseLine(int named, char *text);
  int Flag2ID(char kind, char across, char along, int number) const;
  void ParseAudio();
  float NormaliseAngle(float angle);

  int ReceiveMessage(char *buffer, int size);
  struct socket GetSocket() const;
  void SetSocket(struct socket s);

  void Display() const;
  void Abort(const char *text, int code);

  // The receive buffer, for the handshake's reply and for replaying recorded
  // datagrams: Receive copies bytes in as a receive would (cut to the
  // buffer and terminated).
  char *GetBuffer();
  void Receive(const char *bytes, std::size_t length);
  // Whether the message just analysed was a visual message of a new time.
  bool GetNewVisual() const;

private:
  // One error line: the current cycle, then the text (which starts with a
  // blank).
  void Report(const char *text) const;
  // The received text's length, bounded by the buffer.
  std::size_t TextLength() const;
  // The characters left from a position in the received text.
  std::size_t Remaining(const char *text) const;

  struct socket m_Socket;
  char m_RecvBuffer[BUFFER_LENGTH];
  char m_VisualText[BUFFER_LENGTH];
  char m_AudioText[640];
  char m_SenseBodyText[512];
  bool m_NewVisual;
};

#endif
