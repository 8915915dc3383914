// The undo and redo history of one editing session: a list of states, each reached by a named
// step ("Joints", "Project Title"), and a position in it. A window records a step after each
// change it commits, and on Undo or Redo puts the state the history hands back in place. The
// states are whole snapshots (a model or a list window's working copy is small), so undoing
// never depends on replaying anything. The history also knows which state was last saved, so an
// unsaved-changes flag can follow it: undoing back to the saved state makes the work saved again.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>

namespace stavelorn {

template <typename State>
class EditHistory {
 public:
  // The most steps kept; past it the oldest step is forgotten.
  static constexpr std::size_t kDefaultLimit = 200;

  explicit EditHistory(State start = State{}, std::size_t limit = kDefaultLimit)
      : limit_(limit < 1 ? 1 : limit) {
    Reset(std::move(start));
  }

  // A fresh history at `start`, with nothing to undo or redo; `start` counts as saved when
  // `saved` (a project just opened) and as unsaved otherwise (a new project).
  void Reset(State start, bool saved = true) {
    steps_.clear();
    steps_.push_back({"", std::move(start)});
    position_ = 0;
    saved_ = saved ? 0 : kNone;
  }

  // A change named `name` led to `state`: it becomes the current state, and whatever could
  // have been redone is gone.
  void Record(const std::string& name, State state) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_ + 1), steps_.end());
    if (saved_ != kNone && saved_ > position_) saved_ = kNone;
    steps_.push_back({name, std::move(state)});
    ++position_;
    if (steps_.size() > limit_ + 1) {
      steps_.pop_front();
      --position_;
      saved_ = saved_ == 0 || saved_ == kNone ? kNone : saved_ - 1;
    }
  }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ + 1 < steps_.size(); }
  // The name of the step Undo would take back, or of the one Redo would make again; "" when
  // there is none.
  std::string UndoName() const { return CanUndo() ? steps_[position_].Name : ""; }
  std::string RedoName() const { return CanRedo() ? steps_[position_ + 1].Name : ""; }

  // Steps back (or forward) one step and returns the state now current; at either end the
  // current state, unchanged.
  const State& Undo() {
    if (CanUndo()) --position_;
    return Current();
  }
  const State& Redo() {
    if (CanRedo()) ++position_;
    return Current();
  }
  const State& Current() const { return steps_[position_].Value; }
  // How many steps can be undone.
  std::size_t Depth() const { return position_; }
  // Every state kept, oldest first: how many, and state `i`'s step name ("" for the first) and
  // state. The current one is Depth().
  std::size_t Size() const { return steps_.size(); }
  const std::string& NameAt(std::size_t i) const { return steps_.at(i).Name; }
  const State& StateAt(std::size_t i) const { return steps_.at(i).Value; }
  // Which state was saved last; Size() when none of those kept was.
  std::size_t SavedAt() const { return saved_ == kNone ? steps_.size() : saved_; }

  // The current state has been saved.
  void MarkSaved() { saved_ = position_; }
  // Whether the current state is the one last saved.
  bool AtSaved() const { return saved_ == position_; }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Step {
    std::string Name;
    State Value;
  };

  std::deque<Step> steps_;
  std::size_t position_ = 0;
  std::size_t saved_ = 0;
  std::size_t limit_;
};

}  // namespace stavelorn
