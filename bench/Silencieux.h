#pragma once
// The notifier of the benchmarks: no box and no cursor, only a count of the messages,
// so that a benchmark can refuse to report a time measured on a run that complained.

#include "common/Notificateur.h"

#include <string>

class Silencieux : public Notificateur {
public:
    void Message(const std::string&, const std::string&) override { ++messages; }
    void Sablier(bool) override {}
    int messages = 0;
};
