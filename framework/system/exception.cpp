#include "framework/system/exception.h"

#include "framework/system/wide_text.h"

Exception::Exception(std::wstring message)
    : FMessage(std::move(message)), FUtf8(WideToUtf8(FMessage)) {}

std::wstring ExceptionMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return Utf8ToWide(e.what());
  } catch (...) {
    return L"Unknown exception";
  }
}
