#pragma once
// How the core reports that something failed: an Outcome (done, or failed with a line of text
// that says why) and a Result<T> (a value, or such a failure). Where a caller must tell failures
// apart, the failure also carries a kind from the operation's own enum, whose zero value (None)
// is the kind of an outcome that is done. The window and the companion turn a failure into their
// messages; the core never shows one itself.
//
// Exceptions are left for what is truly exceptional: running out of memory (std::bad_alloc).

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

namespace mosaicor {

// The kind of a failure that needs none.
enum class NoKind : unsigned char { None };

template <typename Kind = NoKind>
struct Failure {
  QString text;  // the failure in one line
  Kind kind{};
  // What is really wrong, where the text alone does not say it ("the file is empty"); may be empty.
  QString reason{};
};

template <typename Kind = NoKind>
class [[nodiscard]] Outcome {
 public:
  // Done.
  Outcome() = default;
  // Failed.
  Outcome(Failure<Kind> failure) : failure_(std::move(failure)), failed_(true) {}  // NOLINT: implicit

  bool Ok() const { return !failed_; }
  explicit operator bool() const { return Ok(); }

  // Empty, and the kind's zero value, for an outcome that is done.
  const QString& Text() const { return failure_.text; }
  Kind FailureKind() const { return failure_.kind; }
  const QString& Reason() const { return failure_.reason; }
  const Failure<Kind>& Error() const { return failure_; }

 private:
  Failure<Kind> failure_;
  bool failed_ = false;
};

template <typename T, typename Kind = NoKind>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}                    // NOLINT: implicit
  Result(Failure<Kind> failure) : outcome_(std::move(failure)) {}  // NOLINT: implicit
  // Only for an outcome that failed: passes a failure on as it is.
  Result(Outcome<Kind> failed) : outcome_(std::move(failed)) {}  // NOLINT: implicit

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }

  // Only when Ok().
  T& Value() & {
    Q_ASSERT(value_);
    return *value_;
  }
  const T& Value() const& {
    Q_ASSERT(value_);
    return *value_;
  }
  T&& Value() && {
    Q_ASSERT(value_);
    return std::move(*value_);
  }
  T* operator->() { return &Value(); }
  const T* operator->() const { return &Value(); }

  // The failure, as an Outcome to pass on.
  const Outcome<Kind>& Status() const { return outcome_; }
  const QString& Text() const { return outcome_.Text(); }
  Kind FailureKind() const { return outcome_.FailureKind(); }
  const QString& Reason() const { return outcome_.Reason(); }

 private:
  std::optional<T> value_;
  Outcome<Kind> outcome_;
};

}  // namespace mosaicor
