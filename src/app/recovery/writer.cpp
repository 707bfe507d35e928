#include "app/recovery/writer.h"

#include <utility>

RecoveryWriter::RecoveryWriter(RecoveryStore& store) : Store(store), Worker([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(Guard);
        Stopping = true;
    }
    Requested.notify_one();
    Worker.join();
}

void RecoveryWriter::Keep(std::unique_ptr<RecoverySnapshot> snapshot) {
    {
        const std::lock_guard lock(Guard);
        Pending = true;
        NextCopy = std::move(snapshot);
    }
    Requested.notify_one();
}

void RecoveryWriter::Remove() {
    {
        const std::lock_guard lock(Guard);
        Pending = true;
        NextCopy.reset();
    }
    Requested.notify_one();
}

bool RecoveryWriter::Finish(std::chrono::milliseconds timeout) {
    std::unique_lock lock(Guard);
    return CarriedOut.wait_for(lock, timeout, [this] { return !Pending && !Working; });
}

void RecoveryWriter::Run() {
    std::unique_lock lock(Guard);
    for (;;) {
        Requested.wait(lock, [this] { return Pending || Stopping; });
        if (!Pending) return;
        std::unique_ptr<RecoverySnapshot> copy = std::move(NextCopy);
        Pending = false;
        Working = true;
        lock.unlock();
        bool done = true;
        // An exception must not leave the thread (that would end the program).
        try {
            if (copy)
                done = Store.Write(*copy);
            else
                Store.Remove();
        } catch (...) {
            done = false;
        }
        lock.lock();
        Working = false;
        // A copy that could not be written (another program may hold the file for a moment) is
        // tried again after a pause, unless a newer request has come meanwhile.
        if (!done && copy && !Pending && !Stopping) {
            Pending = true;
            NextCopy = std::move(copy);
            Requested.wait_for(lock, RetryPause, [this] { return Stopping; });
        }
        CarriedOut.notify_all();
    }
}
