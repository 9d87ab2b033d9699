#pragma once

#include <string>
#include <vector>

// The words of a title picture, without its pictures: every stretch of two
// words or more that stands between wide gaps on a line, as UTF-8, the
// strokes around it left out ("-=~  Приключения Джека Белибье  ~=-" gives
// "Приключения Джека Белибье"). The text is Windows-1251, as the title file
// is; a picture's strokes and single letters are no words.
std::vector<std::string> titleWords(const std::string& text);
