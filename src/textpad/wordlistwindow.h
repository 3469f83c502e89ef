// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A word-list window, which offers words to complete what is typed into a pad. None ships with the
// program; one that exists plugs in here and calls the pad's insertWord() with the chosen word.
class WordListWindow
{
public:
    virtual ~WordListWindow() = default;

    virtual bool hasWordList() const = 0;
    virtual void clearEntry() = 0;
    // Shows the window and puts the focus in its entry box.
    virtual void showWithFocusOnEntry() = 0;
    virtual QString chosenWord() const = 0;
};
