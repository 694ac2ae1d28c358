// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"

#include <array>
#include <cstdint>

class QPushButton;

// The Slot Machine window: three reels of flags on one pay line. "BET" stakes one credit at a
// time, "START" draws the stop rows and spins the reels onto them, then pays the bet times the
// factor of the flag that all three reels show.
class Slot : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Slot(Context &context, QWidget *opener);

    // One frame of the reel animation lasts this long: the 897 frames of a spin take 3.59 s.
    static constexpr ui::Ms FrameInterval{4};

    void Command1_Click(); // START
    void Command2_Click(); // BET

private:
    ui::Play spin();
    void placeReels(const std::array<int, 3> &offsets);

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    ui::Label *Label2 = nullptr; // the bet box
    std::array<ui::Picture *, 3> reels_{};
    std::int64_t bet_ = 0; // units staked for the next spin, shown in the bet box
};
