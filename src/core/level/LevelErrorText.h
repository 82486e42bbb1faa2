#pragma once
// One line of text for an error the level reader raised, where a line is what the user gets
// (the companion's failure lines).

#include <QString>

#include <exception>

QString LevelErrorText(const std::exception_ptr& error);

struct LevelPlace;
// "level file ends early", and where: "... in the object textures at offset 1234 (0x4d2)".
QString LevelEndsEarlyText(const LevelPlace& place);
