#include "CLineBuffer.h"

#include <iostream>

CLineBuffer::CLineBuffer(std::FILE *file) : m_File(file)
{
}

void CLineBuffer::Install()
{
  // Never freed: the streams are flushed once more while the process ends,
  // after every static object made during main is gone.
  static CLineBuffer *const out = new CLineBuffer(stdout);
  static CLineBuffer *const err = new CLineBuffer(stderr);
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
  std::cerr.unsetf(std::ios::unitbuf);
}

int CLineBuffer::overflow(int c)
{
  if (traits_type::eq_int_type(c, traits_type::eof()))
    return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  Append(&ch, 1);
  return c;
}

std::streamsize CLineBuffer::xsputn(const char *text, std::streamsize n)
{
  if (n > 0)
    Append(text, static_cast<std::size_t>(n));
  return n;
}

int CLineBuffer::sync()
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  const auto pending = m_Pending.find(std::this_thread::get_id());
  if (pending != m_Pending.end())
  {
    Write(pending->second);
    m_Pending.erase(pending);
  }
  return std::fflush(m_File) == 0 ? 0 : -1;
}

void CLineBuffer::Append(const char *text, std::size_t n)
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  std::string &pending = m_Pending[std::this_thread::get_id()];
  pending.append(text, n);
  const std::size_t end = pending.rfind('\n');
  if (end != std::string::npos)
  {
    Write(pending.substr(0, end + 1));
    pending.erase(0, end + 1);
  }
  // A thread that has ended its lines keeps no entry behind.
  if (pending.empty())
    m_Pending.erase(std::this_thread::get_id());
}

void CLineBuffer::Write(const std::string &text)
{
  // One call under the file's own lock: the whole text stays together, also
  // against writers that bypass this buffer.
  if (!text.empty())
    std::fwrite(text.data(), 1, text.size(), m_File);
}
