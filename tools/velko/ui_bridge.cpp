// The job queue and the browser's input source.
#include "tools/velko/ui_bridge.h"

namespace velko::cli::ui {

Reply JobQueue::Call(std::shared_ptr<Job> job, std::chrono::milliseconds timeout) {
  std::future<Reply> reply = job->reply.get_future();
  {
    const std::lock_guard lock(mutex_);
    if (closed_) return Reply{503, R"({"error":"the sheet has ended"})"};
    jobs_.push_back(std::move(job));
  }
  ready_.notify_one();
  if (reply.wait_for(timeout) != std::future_status::ready) {
    return Reply{504, R"({"error":"the sheet did not answer in time"})"};
  }
  return reply.get();
}

std::shared_ptr<Job> JobQueue::Take() {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [this] { return closed_ || !jobs_.empty(); });
  if (closed_) return nullptr;
  std::shared_ptr<Job> job = std::move(jobs_.front());
  jobs_.pop_front();
  return job;
}

void JobQueue::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  ready_.notify_all();
}

bool JobQueue::closed() const {
  const std::lock_guard lock(mutex_);
  return closed_;
}

std::vector<std::shared_ptr<Job>> JobQueue::Drain() {
  const std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<Job>> left(jobs_.begin(), jobs_.end());
  jobs_.clear();
  return left;
}

BrowserInput::BrowserInput(JobQueue& queue, std::function<std::string(const platform::UserAction&)> refuse,
                           std::function<Reply(const std::string& error)> answer)
    : queue_(queue), refuse_(std::move(refuse)), answer_(std::move(answer)) {}

std::optional<platform::UserAction> BrowserInput::Next() {
  for (;;) {
    if (current_) {
      if (error_.empty() && next_ < current_->actions.size()) {
        const platform::UserAction& action = current_->actions[next_++];
        error_ = refuse_(action);
        if (error_.empty()) return action;
      }
      FinishCurrent();
    }
    std::shared_ptr<Job> job = queue_.Take();
    if (!job) return std::nullopt;
    if (job->actions.empty()) {
      Reply reply = job->work ? job->work() : Reply{400, R"({"error":"an empty request"})"};
      Answer(std::move(job), std::move(reply), false);
      continue;
    }
    current_ = std::move(job);
    next_ = 0;
    error_.clear();
  }
}

void BrowserInput::Fault(const platform::UserAction* action, std::string_view why) {
  if (!current_ || !error_.empty()) return;
  error_ = (action != nullptr ? std::string(platform::ActionName(action->kind)) + ": " : std::string()) +
           std::string(why);
}

void BrowserInput::FinishCurrent() {
  if (!current_) return;
  Answer(std::move(current_), answer_(error_), true);
  current_.reset();
  error_.clear();
}

void BrowserInput::Answer(std::shared_ptr<Job> job, Reply reply, bool action_job) {
  if (action_job) {
    reply.round_trip = Clock::now() - job->received;
    round_trips_.push_back(reply.round_trip);
  }
  job->reply.set_value(std::move(reply));
}

}  // namespace velko::cli::ui
