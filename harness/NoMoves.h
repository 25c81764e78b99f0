#pragma once

#include "ui/WindowMoves.h"

// Window moves that do nothing, for a main window tested on its own.
class NoMoves : public WindowMoves
{
public:
    void about() override {}
    void goBack() override {}
    void exitProgram() override {}
};
