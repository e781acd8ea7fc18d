#pragma once

namespace sb {

// Plays one of the six drill sounds by slot (1 start, 2 correct, 3 wrong, 4 time-out,
// 5 finish, 6 tick). Returns at once; a new sound cuts off the one still playing. A machine
// without audio plays nothing.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(int slot) = 0;
};

// Shows one of the five pictures by number (1 logo, 2 happy, 3 sad, 4 time-out, 5 ready)
// in the main window's picture. A missing or unreadable file keeps the previous picture.
class Pictures {
public:
    virtual ~Pictures() = default;
    virtual void show(int n) = 0;
};

class SilentSound final : public Sound {
public:
    void play(int) override {}
};

class NoPictures final : public Pictures {
public:
    void show(int) override {}
};

} // namespace sb
