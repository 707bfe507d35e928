#pragma once
// Writes the recovery copy on a thread of its own, so that editing never waits for the disk.
// Only the newest request counts: a copy asked for while an older one still waits replaces it,
// and a removal asked for after a copy cancels the copy, so the folder always ends as the last
// request says. A copy that cannot be written is tried again after a pause. Every request still
// waiting when the writer ends is carried out first.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "app/recovery/store.h"

class RecoveryWriter {
  public:
    // The store is used only by this writer's thread from now on, until the writer has ended.
    explicit RecoveryWriter(RecoveryStore& store);
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void Keep(std::unique_ptr<RecoverySnapshot> snapshot);
    void Remove();
    // Waits until every request so far is carried out; false when the time ran out first.
    bool Finish(std::chrono::milliseconds timeout);

  private:
    static constexpr std::chrono::milliseconds RetryPause{500};

    void Run();

    RecoveryStore& Store;
    std::mutex Guard;
    std::condition_variable Requested;
    std::condition_variable CarriedOut;
    bool Pending = false;
    std::unique_ptr<RecoverySnapshot> NextCopy;  // when Pending: the copy to write, or none: remove
    bool Working = false;
    bool Stopping = false;
    std::thread Worker;  // last, so that it starts once everything it uses is there
};
