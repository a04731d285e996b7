#ifndef MCVCARRAY_H
#define MCVCARRAY_H

#include <ostream>

// Growth units of a character buffer.
enum MCVCChunkSize
{
  MCVCChunkAuto = 0,   // fixed from the size asked for at the first sizing
  MCVCChunkSmall = 1,  // 32 bytes
  MCVCChunkMedium = 2, // 256 bytes
  MCVCChunkLarge = 3   // 4096 bytes
};

// A character buffer with a movable start, counted by the strings that share
// it. Dropping characters from the front only moves the start, so trimming and
// tokenising from the front never copy. The text is always measured, never
// stored: it is the NUL-terminated sequence at data + start.
class MCVCArray
{
public:
  MCVCArray();
  explicit MCVCArray(MCVCChunkSize code);
  MCVCArray(int size, MCVCChunkSize code);
  MCVCArray(const char *text, MCVCChunkSize code);
  // Adopts the caller's heap text (allocated with new[]) without copying and
  // sets the caller's pointer to null; length 0 means "measure it".
  MCVCArray(char **text, int length);
  explicit MCVCArray(const MCVCArray *source);
  MCVCArray(const MCVCArray &source);
  MCVCArray &operator=(const MCVCArray &) = delete;
  ~MCVCArray();

  void SetSize(int n);
  void SetChunkSize(MCVCChunkSize code);
  void SetText(const char *text);
  void SetString(const char *text);
  void AppendText(const char *text);
  void AppendString(const char *text);
  void MoveTo(int n);
  void EndAt(int n);
  int Length() const;
  char *Writeable() const;
  operator char *();
  const char *ReadOnly() const;
  void Reset();
  void Tidy();
  char *Require(int n);
  int IncRef();
  int DecRef();
  int CurRef() const;
  void HardReset();
  int calcsizeinchunks(int n);
  void Display(std::ostream &out) const;

  // Read-only views of the bookkeeping, for callers that tune or check sizing.
  int Start() const { return start; }
  int Allocated() const { return allocated; }
  int Chunk() const { return chunk; }

private:
  void CopyFrom(const MCVCArray &source);
  void CopyText(const char *text, int limit);
  const char *TextOrNull(const char *operation) const;

  char *data;
  int start;
  int allocated;
  int chunk;
  int references;
};

#endif
