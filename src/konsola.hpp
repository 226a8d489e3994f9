#pragma once

#include <streambuf>

// Standard input read straight from the system in large blocks. Each read returns what is there
// (a terminal gives a line at a time), so nothing waits for input past what the reader asks for.
// A read that fails throws std::ios_base::failure instead of passing for the end of the input;
// an interrupted read is retried, and a non-blocking input is waited for.
class WejscieStandardowe : public std::streambuf {
protected:
    int_type underflow() override;
};
