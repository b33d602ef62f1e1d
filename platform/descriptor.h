// An open file descriptor of the C runtime, closed when the object goes.
#pragma once

namespace rota {

// Closes `fd` with the system's own call.
void closeDescriptor(int fd);

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            closeDescriptor(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes the descriptor held, if any, and holds `fd`.
    void reset(int fd)
    {
        if (fd_ >= 0)
            closeDescriptor(fd_);
        fd_ = fd;
    }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace rota
