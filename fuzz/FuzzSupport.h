// What the fuzz targets share: a temporary directory of their own, laid out like a program
// directory, and a host that answers every dialog the way that goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Korvex.h"
#include "support/FakeHost.h"

namespace korvex {

// Goes on wherever it is asked (GoAheadAnswer), and gives a key for every key request.
// What is shown is recorded by FakeHost.
class FuzzHost : public FakeHost {
public:
    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    std::string AskForKey() override;
};

// The directory of this process (created on first use, removed when it ends) with the
// folders of a program directory below it.
const std::string& FuzzDir();
// Sets app's program directories to FuzzDir().
void UseFuzzDir(Korvex& app);
// Writes the input into a file below FuzzDir() and returns its path.
std::string WriteFuzzInput(const std::string& name, const std::uint8_t* data, std::size_t size);
// Empties a folder below FuzzDir(), so that one input leaves nothing for the next.
void ClearFuzzFolder(const std::string& name);

}  // namespace korvex
