#pragma once

// The moves between the windows and the way out of the program, which belong to the application
// shell; the windows only ask for them.
class WindowMoves
{
public:
    virtual ~WindowMoves() = default;

    virtual void about() = 0;       // show the About window, hide the main window
    virtual void goBack() = 0;      // show the main window, unload the About window
    virtual void exitProgram() = 0; // unload the main window and end the program at once
};
