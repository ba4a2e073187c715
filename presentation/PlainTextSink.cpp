#include "PlainTextSink.h"

namespace zodiora {

void PlainTextSink::setBold(bool) {}

void PlainTextSink::setColour(int, int, int) {}

void PlainTextSink::insertText(std::string_view text)
{
    text_.append(text);
}

}  // namespace zodiora
