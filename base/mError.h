// The program's error convention: one error type carrying number, description and the
// chain of procedures it passed through; RaiseError, PassError and ShowError build on it, and
// PassErrors and ShowErrors wrap a procedure's body in them.
#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <string>

// Base of program errors raised through RaiseError (vbObjectError).
constexpr int32_t OBJECT_ERROR_BASE = static_cast<int32_t>(0x80040000u);

// The settings routines' error numbers (a program numbers its own errors above these).
enum ProgramError : int32_t {
    ERR_INI_WRITE = 1,             // with the base: "Invalid value" given to a settings write
    ERR_INI_READ = 2,              // with the base: "Invalid value" given to a settings read
    ERR_INI_WRITE_FAILED = 3,      // with the base: the system refused a settings write (file named)
};

// Run-time error numbers. The launcher's own code raises them with RaiseRuntimeError; a C++
// failure that escapes into the error convention is reported as the run-time error it stands
// for (CurrentError):
//   std::overflow_error   ->  6 Overflow
//   std::bad_alloc        ->  7 Out of memory
//   std::out_of_range     ->  9 Subscript out of range
//   std::domain_error     -> 11 Division by zero
//   std::invalid_argument -> 13 Type mismatch
//   any other exception   -> 51 Internal error (the C++ message added to the description)
// A duplicate collection key (457) has no C++ counterpart; the collections raise it themselves.
enum RuntimeError : int32_t {
    RTE_INVALID_CALL = 5,
    RTE_OVERFLOW = 6,
    RTE_OUT_OF_MEMORY = 7,
    RTE_SUBSCRIPT = 9,
    RTE_DIVISION_BY_ZERO = 11,
    RTE_TYPE_MISMATCH = 13,
    RTE_DLL_LOAD = 48,   // SystemLibrary.h: a library loaded on first use is missing
    RTE_INTERNAL = 51,
    RTE_FILE_NOT_FOUND = 53,
    RTE_PATH_ACCESS = 75,
    RTE_OBJECT_NOT_SET = 91,
    RTE_DLL_ENTRY = 453, // SystemLibrary.h: the library lacks the function
    RTE_DUPLICATE_KEY = 457,
};

// The one exception type that carries a failure up the call chain.
class AppError : public std::exception {
public:
    AppError(int32_t number, std::string description, std::string source = {});
    const char* what() const noexcept override { return Description.c_str(); }

    int32_t Number;
    std::string Description;
    std::string Source;
};

// Raises program error (base OR n) with the description.
[[noreturn]] void RaiseError(int32_t n, const std::string& description);
// Raises a program error with the plain number (no base), as the dialog and check errors are.
[[noreturn]] void RaisePlainError(int32_t number, const std::string& description);
// Raises the run-time error of that number with its usual description.
[[noreturn]] void RaiseRuntimeError(int32_t number);
std::string RuntimeErrorDescription(int32_t number);

int32_t GetErrorNumber(int32_t number);

// The exception being handled, as an AppError. Call only inside a catch block.
AppError CurrentError();

// Inside a catch block: prepends the procedure name to the source and throws again.
[[noreturn]] void PassError(const std::string& procedureName);

// An error number that ShowError shows in a plain message box instead of the error report.
struct MessageBoxError {
    int32_t Number;
    uint32_t Type;           // the message box's icon and buttons
    bool SilentWithoutText;  // an empty description shows nothing at all
};
// The program's message-box errors; without any, every error goes to the report. The table
// must outlive its use (a constant of the program).
void SetMessageBoxErrors(std::span<const MessageBoxError> errors);

// Inside a catch block at the top of an event: shows the error to the user.
void ShowError(const std::string& procedureName);
// The same for an error value already at hand.
void ShowErrorValue(AppError error, const std::string& procedureName);

// The body of an ordinary procedure: runs it and returns its result; a failure goes on to the
// caller with the procedure's name added to its source (PassError).
//   std::string Profile::ProfileCaption() const
//   { return PassErrors("Profile.ProfileCaption", [&] { ... }); }
template <typename Body>
decltype(auto) PassErrors(const char* procedureName, Body&& body)
{
    try {
        return body();
    } catch (...) {
        PassError(procedureName);
    }
}

// The body of an event at the top (a click, a key, a window's construction): runs it and
// reports a failure to the user (ShowError). True when the body ran to its end.
//   void frmSave::cmdYes_Click() { ShowErrors("frmSave.cmdYes_Click", [&] { ... }); }
template <typename Body>
bool ShowErrors(const char* procedureName, Body&& body)
{
    try {
        body();
        return true;
    } catch (...) {
        ShowError(procedureName);
        return false;
    }
}
