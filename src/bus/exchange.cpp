#include "bus/exchange.h"

#include <algorithm>

namespace kestrova {
namespace {

constexpr int kShortestFrame = 5;
constexpr int kRequestBytes = 5;

bool IsWrite(const Frame& request) { return request.size() > 2 && request[2] == kParameterWrite; }

}  // namespace

int ExpectedAnswerBytes(std::uint8_t subtype) {
  switch (subtype) {
    case kRunData: return 36;
    case kDeviceAddress: return 7;
    case kFactoryData: return 18;
    default: return 6 + 32;  // board information with a 32-character text
  }
}

Exchange::Exchange(Send send) : send_(std::move(send)) {}

void Exchange::StartRead(std::uint8_t address, std::uint8_t subtype, std::int64_t nowMs, int attempts) {
  request_ = ReadRequest(address, subtype);
  attemptsLeft_ = std::max(attempts, 1);
  timeoutMs_ = AnswerTimeoutMs(kRequestBytes, ExpectedAnswerBytes(subtype));
  SendRequest(nowMs);
}

void Exchange::StartWrite(const Frame& frame, std::int64_t nowMs) {
  request_ = frame;
  attemptsLeft_ = 1;
  const int length = static_cast<int>(frame.size());
  timeoutMs_ = AnswerTimeoutMs(length, length);  // the acknowledgement repeats the write
  SendRequest(nowMs);
}

// Whatever the ring still holds belongs to an earlier question: it is dropped before the
// new request goes out, so a late answer can never be taken for the answer to this one.
void Exchange::SendRequest(std::int64_t nowMs) {
  if (state_ != State::Waiting) {
    counters_.discarded += static_cast<std::uint64_t>(std::max(ring_.unreadCount, 0));
    ring_.Reset();
    ackMissing_ = 0;
  }
  state_ = State::Waiting;
  open_ = true;
  answer_.clear();
  --attemptsLeft_;
  sentAt_ = nowMs;
  deadline_ = nowMs + timeoutMs_;
  ++counters_.requests;
  send_(request_);
}

void Exchange::Cancel() {
  if (open_) state_ = State::Idle;
  open_ = false;
}

void Exchange::Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
  if (bytes.empty()) return;
  // The rest of a write acknowledgement the scan consumed ahead of its arrival.
  const std::size_t tail = std::min(bytes.size(), static_cast<std::size_t>(ackMissing_));
  if (tail > 0) {
    answer_.insert(answer_.end(), bytes.begin(), bytes.begin() + static_cast<long>(tail));
    ackMissing_ -= static_cast<int>(tail);
    if (ackMissing_ == 0 && state_ == State::Waiting) {
      state_ = State::Answered;
      answerAt_ = nowMs;
      ++counters_.answers;
    }
  }
  ring_.Store(bytes);
  Scan(nowMs);
}

// Passes of the frame scan until it has nothing whole left: each pass stops after one
// response (having consumed it), and a pass that waits for the rest of a frame ends the scan
// for now.
void Exchange::Scan(std::int64_t nowMs) {
  scanNow_ = nowMs;
  const int address = request_.size() > 1 ? request_[1] : 0;
  while (ring_.unreadCount >= kShortestFrame && !ScanFrames(ring_, address, *this)) {
  }
}

bool Exchange::Matches(const ReceiveRing& ring, std::uint8_t command) const {
  return state_ == State::Waiting && ring.At(1) == request_[1] && ring.At(2) == command &&
         ring.At(3) == request_[3] && request_[2] == command;
}

void Exchange::Consumed(const ReceiveRing& ring, int length, Piece piece) {
  if (observer_) observer_(ring, length, piece);
  if (piece == Piece::BadChecksum) ++counters_.badChecksums;
  if (piece == Piece::Response && Matches(ring, kRead)) {
    answer_.assign(static_cast<std::size_t>(length), 0);
    for (int k = 0; k < length; ++k) answer_[static_cast<std::size_t>(k)] = ring.At(k);
    state_ = State::Answered;
    answerAt_ = scanNow_;
    ++counters_.answers;
    return;
  }
  if (piece == Piece::WriteAck && IsWrite(request_) && Matches(ring, kParameterWrite)) {
    const int here = std::min(length, ring.unreadCount);
    answer_.clear();
    for (int k = 0; k < here; ++k) answer_.push_back(ring.At(k));
    ackMissing_ = length - here;
    if (ackMissing_ == 0) {
      state_ = State::Answered;
      answerAt_ = scanNow_;
      ++counters_.answers;
    }
    return;
  }
  if (piece != Piece::Echo) counters_.discarded += static_cast<std::uint64_t>(std::max(length, 0));
}

ExchangeResult Exchange::Poll(std::int64_t nowMs) {
  const ExchangeResult result = Settle(nowMs);
  if (result != ExchangeResult::Pending) open_ = false;
  return result;
}

ExchangeResult Exchange::Settle(std::int64_t nowMs) {
  if (state_ == State::Answered) return ExchangeResult::Answered;
  if (state_ != State::Waiting) return state_ == State::NoAnswer ? ExchangeResult::NoAnswer : ExchangeResult::Pending;
  if (nowMs < deadline_) return ExchangeResult::Pending;
  // A start byte whose frame never completed may hide the answer behind it: drop such starts
  // and look again before giving up.
  while (ring_.unreadCount >= kShortestFrame && state_ == State::Waiting) {
    DropIncompleteStart(ring_, *this);
    Scan(nowMs);
  }
  if (state_ == State::Answered) return ExchangeResult::Answered;
  ++counters_.timeouts;
  if (attemptsLeft_ > 0) {
    SendRequest(nowMs);
    return ExchangeResult::Pending;
  }
  state_ = State::NoAnswer;
  return ExchangeResult::NoAnswer;
}

}  // namespace kestrova
