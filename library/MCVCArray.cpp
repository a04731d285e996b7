#include "MCVCArray.h"

#include <cstring>
#include <iostream>
#include <string>

namespace
{
const char *const NoMemory = "Oi! Who nicked me memory?";
const char *const CrashAhead = "SIGSEGV follows shortly";

// The growth unit for a buffer first sized for n bytes.
int ChunkFor(int n)
{
  if (n > 2048)
    return 4096;
  if (n > 128)
    return 256;
  return 32;
}

// Some callers hand back a text that lives in this very block (appending a
// string to itself); it must be copied out before the block moves. An adopted
// block keeps its terminator one byte beyond allocated, and an empty text
// there still points into the block.
bool Inside(const char *text, const char *data, int allocated)
{
  return data && text >= data && text <= data + allocated;
}
}

MCVCArray::MCVCArray()
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  SetChunkSize(MCVCChunkSmall);
  SetSize(32);
}

MCVCArray::MCVCArray(MCVCChunkSize code)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  SetChunkSize(code);
  SetSize(chunk);
  // An automatic chunk asks for 0 bytes, which makes no block; give it one
  // chunk so that every buffer starts with a block.
  if (!data)
    SetSize(chunk);
}

MCVCArray::MCVCArray(int size, MCVCChunkSize code)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  SetChunkSize(code);
  SetSize(size);
  if (!data)
    SetSize(chunk);
}

MCVCArray::MCVCArray(const char *text, MCVCChunkSize code)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  if (!text)
    text = "";
  SetChunkSize(code);
  SetSize(static_cast<int>(std::strlen(text)) + 1);
  SetText(text);
}

MCVCArray::MCVCArray(char **text, int length)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  if (!text || !*text)
  {
    SetChunkSize(MCVCChunkSmall);
    SetSize(32);
    return;
  }
  // The terminator is not counted when the length is measured here; the
  // adopted block is one byte longer than allocated says.
  allocated = length ? length : static_cast<int>(std::strlen(*text));
  chunk = ChunkFor(allocated);
  data = *text;
  *text = nullptr;
}

MCVCArray::MCVCArray(const MCVCArray *source)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  CopyFrom(*source);
}

MCVCArray::MCVCArray(const MCVCArray &source)
  : data(nullptr), start(0), allocated(0), chunk(0), references(0)
{
  CopyFrom(source);
}

MCVCArray::~MCVCArray()
{
  delete[] data;
}

void MCVCArray::CopyFrom(const MCVCArray &source)
{
  chunk = source.chunk;
  // An adopted block does not count its terminator, so a copy sized by
  // allocated alone could lose the last character.
  int size = source.allocated;
  if (source.data && source.Length() + 1 > size)
    size = source.Length() + 1;
  SetSize(size);
  if (source.data)
    SetText(source.data + source.start);
}

// Copies at most limit - 1 characters to the front of the block and always
// leaves a terminator inside it.
void MCVCArray::CopyText(const char *text, int limit)
{
  start = 0;
  if (limit <= 0)
    return;
  size_t n = strnlen(text, static_cast<size_t>(limit - 1));
  std::memmove(data, text, n);
  data[n] = '\0';
}

int MCVCArray::calcsizeinchunks(int n)
{
  if (chunk)
  {
    if (n <= 0)
      return chunk;
    return (n + chunk - 1) / chunk * chunk;
  }
  chunk = ChunkFor(n);
  // A negative request would leave allocated below start.
  return n > 0 ? n : 0;
}

void MCVCArray::SetSize(int n)
{
  int size = calcsizeinchunks(n);
  int current = data ? allocated : 0;
  if (size == current)
  {
    Tidy();
    return;
  }
  char *block = new char[size > 0 ? size : 1];
  block[0] = '\0';
  if (data)
  {
    // At most n characters survive, and the terminator always stays inside
    // the new block.
    int keep = Length();
    if (keep > n)
      keep = n > 0 ? n : 0;
    if (keep > size - 1)
      keep = size > 0 ? size - 1 : 0;
    std::memcpy(block, data + start, static_cast<size_t>(keep));
    block[keep] = '\0';
    delete[] data;
  }
  data = block;
  start = 0;
  allocated = size;
}

void MCVCArray::SetChunkSize(MCVCChunkSize code)
{
  switch (code)
  {
  case MCVCChunkAuto:
    chunk = 0;
    break;
  case MCVCChunkSmall:
    chunk = 32;
    break;
  case MCVCChunkMedium:
    chunk = 256;
    break;
  case MCVCChunkLarge:
    chunk = 4096;
    break;
  default:
    std::cerr << "MCVCArray::SetChunkSize : Bad chunk size, how did this happen?" << std::endl;
    chunk = 32;
    break;
  }
}

void MCVCArray::SetText(const char *text)
{
  if (!data)
  {
    std::cerr << "MCVCArray::SetText : " << NoMemory << std::endl;
    SetString(text);
    return;
  }
  CopyText(text ? text : "", allocated);
}

void MCVCArray::SetString(const char *text)
{
  if (!text)
    text = "";
  std::string saved;
  if (Inside(text, data, allocated))
  {
    saved = text;
    text = saved.c_str();
  }
  HardReset();
  SetSize(static_cast<int>(std::strlen(text)) + 1);
  if (!data)
  {
    std::cerr << "MCVCArray::SetString : " << NoMemory << std::endl;
    return;
  }
  CopyText(text, allocated);
}

void MCVCArray::AppendText(const char *text)
{
  if (!data)
  {
    std::cerr << "MCVCArray::AppendText : " << NoMemory << std::endl;
    SetString(text);
    return;
  }
  if (!text)
    return;
  int length = Length();
  int room = allocated - (start + length) - 1;
  if (room <= 0)
    return;
  char *end = data + start + length;
  size_t n = strnlen(text, static_cast<size_t>(room));
  std::memmove(end, text, n);
  end[n] = '\0';
}

void MCVCArray::AppendString(const char *text)
{
  if (!text)
    return;
  std::string saved;
  if (Inside(text, data, allocated))
  {
    saved = text;
    text = saved.c_str();
  }
  Require(static_cast<int>(std::strlen(text)) + 1);
  AppendText(text);
}

void MCVCArray::MoveTo(int n)
{
  if (n >= Length())
  {
    Reset();
    return;
  }
  if (n < 0)
  {
    std::cerr << "MCVCArray::MoveTo : Ignoring negative offset" << std::endl;
    std::cerr << "MCVCArray::MoveTo : Requested offset was " << n << std::endl;
    Display(std::cerr);
    return;
  }
  start += n;
}

void MCVCArray::EndAt(int n)
{
  if (n < 1)
  {
    Reset();
    return;
  }
  if (n > Length())
  {
    std::cerr << "MCVCArray::EndAt : Ignoring new end beyond current." << std::endl;
    std::cerr << "MCVCArray::EndAt : Requested offset was " << n << std::endl;
    Display(std::cerr);
    return;
  }
  data[start + n] = '\0';
}

int MCVCArray::Length() const
{
  if (!data)
  {
    std::cerr << "MCVCArray::Length : " << NoMemory << std::endl;
    return 0;
  }
  if (start > allocated)
  {
    std::cerr << "MCVCArray::Length : Start Broken" << std::endl;
    std::cerr << "MCVCArray::Length : " << CrashAhead << std::endl;
    return 0;
  }
  // An adopted block does not count its terminator in allocated, so the
  // bound is one past it; every block holds that byte.
  return static_cast<int>(strnlen(data + start, static_cast<size_t>(allocated - start) + 1));
}

const char *MCVCArray::TextOrNull(const char *operation) const
{
  if (!data)
  {
    std::cerr << operation << NoMemory << std::endl;
    std::cerr << operation << CrashAhead << std::endl;
    return nullptr;
  }
  return data + start;
}

char *MCVCArray::Writeable() const
{
  return const_cast<char *>(TextOrNull("MCVCArray::operator const char * : "));
}

MCVCArray::operator char *()
{
  return Writeable();
}

const char *MCVCArray::ReadOnly() const
{
  return TextOrNull("MCVCArray::operator const char * : ");
}

void MCVCArray::Reset()
{
  if (!data)
  {
    std::cerr << "MCVCArray::Reset : " << NoMemory << std::endl;
    SetSize(chunk);
    return;
  }
  start = 0;
  data[0] = '\0';
}

void MCVCArray::Tidy()
{
  if (start <= 0)
    return;
  if (!data)
  {
    std::cerr << "MCVCArray::Tidy : " << NoMemory << std::endl;
    return;
  }
  int length = Length();
  std::memmove(data, data + start, static_cast<size_t>(length));
  data[length] = '\0';
  start = 0;
}

char *MCVCArray::Require(int n)
{
  if (!data)
  {
    std::cerr << "MCVCArray::Require : " << NoMemory << std::endl;
    SetSize(n);
    if (!data)
    {
      std::cerr << "MCVCArray::Require : unable to recover" << std::endl;
      return nullptr;
    }
    return data + start;
  }
  int length = Length();
  if (allocated > start + length + n)
    return data + start;
  if (length + n <= allocated)
    Tidy();
  else
    SetSize(length + n);
  return data + start;
}

int MCVCArray::IncRef()
{
  return ++references;
}

int MCVCArray::DecRef()
{
  if (references < 1)
  {
    std::cerr << "MCVCArray::DecRef : Released more often than registered." << std::endl;
    std::cerr << "MCVCArray::DecRef : Object display follows:" << std::endl;
    Display(std::cerr);
    std::cerr << "MCVCArray::DecRef : End of object" << std::endl;
    return 0;
  }
  return --references;
}

int MCVCArray::CurRef() const
{
  return references;
}

void MCVCArray::HardReset()
{
  delete[] data;
  data = nullptr;
  start = 0;
  allocated = 0;
}

void MCVCArray::Display(std::ostream &out) const
{
  out << "MCVCArray object at : " << static_cast<const void *>(this) << std::endl;
  out << "Starts at offset    : " << start << std::endl;
  out << "Chunk size is       : " << chunk << std::endl;
  out << "Current size is     : " << allocated << std::endl;
  out << "Current text length : " << Length() << std::endl;
  out << "Contents are        :";
  if (!data)
    out << " <NONE>" << std::endl;
  else
    out << std::endl << (data + start) << std::endl;
}
