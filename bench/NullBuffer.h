#pragma once

#include <streambuf>

namespace zodiora::bench {

/// A stream buffer that takes every byte and keeps none: output whose cost
/// is the writing alone.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace zodiora::bench
