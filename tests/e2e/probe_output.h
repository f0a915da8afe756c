#pragma once
// The probe's answer: one fact a line, fields split by tabs, in UTF-8. Texts
// are escaped (\\, \t, \r, \n) so that a line never breaks inside one.

#include <windows.h>

#include <string>

class FactLine {
  public:
    explicit FactLine(const char* fact) : line_(fact) {}
    FactLine(const FactLine&) = delete;
    FactLine& operator=(const FactLine&) = delete;
    ~FactLine();  // writes the line

    FactLine& operator<<(long long number);
    FactLine& operator<<(const char* word);
    FactLine& operator<<(const std::wstring& text);
    FactLine& operator<<(const RECT& rect);  // left, top, right, bottom

  private:
    std::string line_;
};

// Standard output carries bytes as they are, without any newline translation.
void useBinaryOutput();
