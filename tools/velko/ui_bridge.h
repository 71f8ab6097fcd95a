// `velko ui`: the hand-over between the web server's threads and the one
// thread that runs the sheet. The platform is single-threaded, so every
// request becomes a job in a queue: the sheet's thread takes jobs whenever
// the sheet waits for the user (at the top level or inside any modal
// loop), runs reading jobs at once, and hands a job's actions out as the
// platform's input source, one at a time; once the platform asks for the
// next action the job's actions are done and its reply (the new screen) is
// made. The server's thread waits for that reply.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/user/input.h"

namespace velko::cli::ui {

using Clock = std::chrono::steady_clock;

struct Reply {
  int status = 200;
  std::string body;
  std::string content_type = "application/json";
  Clock::duration round_trip{};  // an action job's, from its arrival to this reply
};

struct Job {
  // Actions to apply in turn (the first refused one ends the job); none for
  // a job that only reads.
  std::vector<platform::UserAction> actions;
  // A reading job's work, run on the sheet's thread.
  std::function<Reply()> work;
  Clock::time_point received = Clock::now();
  std::promise<Reply> reply;
};

// The queue between the threads; the only state they share.
class JobQueue {
 public:
  // Server side: queues the job and waits for its reply; 503 once the
  // queue is closed, 504 when the sheet does not answer in `timeout`.
  Reply Call(std::shared_ptr<Job> job, std::chrono::milliseconds timeout);

  // Sheet side: the next job, waiting for one; nullptr once closed.
  std::shared_ptr<Job> Take();
  // No more jobs: Take answers nullptr, Call 503. Jobs still queued are
  // left for Drain.
  void Close();
  bool closed() const;
  // The jobs still queued, taken out.
  std::vector<std::shared_ptr<Job>> Drain();

 private:
  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::shared_ptr<Job>> jobs_;
  bool closed_ = false;
};

// The browser as the platform's input source, on the sheet's thread.
class BrowserInput : public platform::InputSource {
 public:
  // `refuse` says why an action cannot be taken now (empty: it can);
  // `answer` makes an action job's reply from the first refusal or fault
  // (empty: all done).
  BrowserInput(JobQueue& queue, std::function<std::string(const platform::UserAction&)> refuse,
               std::function<Reply(const std::string& error)> answer);

  std::optional<platform::UserAction> Next() override;
  void Fault(const platform::UserAction* action, std::string_view why) override;

  // Answers the job whose actions are out (the sheet ended under it).
  void FinishCurrent();

  // Time from a job's arrival to its reply, for each action job answered.
  const std::vector<Clock::duration>& round_trips() const { return round_trips_; }

 private:
  void Answer(std::shared_ptr<Job> job, Reply reply, bool action_job);

  JobQueue& queue_;
  std::function<std::string(const platform::UserAction&)> refuse_;
  std::function<Reply(const std::string&)> answer_;
  std::shared_ptr<Job> current_;
  std::size_t next_ = 0;
  std::string error_;
  std::vector<Clock::duration> round_trips_;
};

}  // namespace velko::cli::ui
