#pragma once
// The framework's exception: a UTF-16 message that the application's default
// handler shows as it is. EAbort is the silent one: handlers swallow it.

#include <stdexcept>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message);
  const std::wstring& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  std::wstring FMessage;
  std::string FUtf8;
};

class EAbort : public Exception {
 public:
  EAbort() : Exception(L"Operation aborted") {}
};

// Reading a stored layout, a stream or an image failed.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

// The text of any exception, for showing it: Message() of ours, what() of
// std::exception (UTF-8), a fixed text for anything else.
std::wstring ExceptionMessage(const std::exception_ptr& error);
