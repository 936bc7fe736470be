#pragma once
// A failing call on the serial or socket control (a port that will not open, bad
// settings). The connect procedures catch it and take their failure path.

#include <stdexcept>

class LinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
