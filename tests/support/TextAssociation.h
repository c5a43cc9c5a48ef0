#pragma once

#include "editing/ExternalEditor.h"

#include <windows.h>

#include <string>

// Makes the stand-in editor beside the tests (or, with `withCommand` false, a
// class that names no program) the ".txt" association while it lives. Wine
// reads associations from the machine's classes only. The stand-in logs to the
// file named by SONVERA_STAND_IN_LOG.
class TextAssociation {
public:
    explicit TextAssociation(bool withCommand);
    ~TextAssociation();
    TextAssociation(const TextAssociation&) = delete;
    TextAssociation& operator=(const TextAssociation&) = delete;

    std::string program;

private:
    std::string previous_ = "txtfile";
};

// How many windows the stand-in started as `editor` shows (its thread may
// have more, such as an IME window).
int StandInWindows(const EditorProcessRecord& editor);
// How many windows all running stand-ins show.
int StandInWindows();
// Waits until the stand-in shows both of its windows.
bool StandInShowsBothWindows(const EditorProcessRecord& editor);
