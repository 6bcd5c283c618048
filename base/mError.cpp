// The program's error convention and the top-level display of errors.
#include "base/mError.h"

#include <new>
#include <stdexcept>

#include "base/SystemServices.h"

namespace {
std::span<const MessageBoxError> g_messageBoxErrors;
} // namespace

void SetMessageBoxErrors(std::span<const MessageBoxError> errors)
{
    g_messageBoxErrors = errors;
}

AppError::AppError(int32_t number, std::string description, std::string source)
    : Number(number), Description(std::move(description)), Source(std::move(source))
{
}

void RaiseError(int32_t n, const std::string& description)
{
    throw AppError(OBJECT_ERROR_BASE | n, description);
}

void RaisePlainError(int32_t number, const std::string& description)
{
    throw AppError(number, description);
}

std::string RuntimeErrorDescription(int32_t number)
{
    switch (number) {
    case RTE_INVALID_CALL: return "Invalid procedure call or argument";
    case RTE_OVERFLOW: return "Overflow";
    case RTE_OUT_OF_MEMORY: return "Out of memory";
    case RTE_SUBSCRIPT: return "Subscript out of range";
    case RTE_DIVISION_BY_ZERO: return "Division by zero";
    case RTE_TYPE_MISMATCH: return "Type mismatch";
    case RTE_DLL_LOAD: return "Error in loading DLL";
    case RTE_FILE_NOT_FOUND: return "File not found";
    case RTE_PATH_ACCESS: return "Path/File access error";
    case RTE_OBJECT_NOT_SET: return "Object variable or With block variable not set";
    case RTE_DLL_ENTRY: return "Can't find DLL entry point";
    case RTE_DUPLICATE_KEY: return "This key is already associated with an element of this collection";
    default: return "Internal error";
    }
}

void RaiseRuntimeError(int32_t number)
{
    throw AppError(number, RuntimeErrorDescription(number), ProgramTitle());
}

int32_t GetErrorNumber(int32_t number)
{
    return number & 0x7FFBFFFF;
}

namespace {
AppError RuntimeErrorWithDetail(int32_t number, const char* detail)
{
    AppError e(number, RuntimeErrorDescription(number), ProgramTitle());
    if (detail && *detail && number == RTE_INTERNAL) e.Description += std::string(" (") + detail + ")";
    return e;
}
} // namespace

AppError CurrentError()
{
    try {
        throw;
    } catch (const AppError& e) {
        return e;
    } catch (const std::overflow_error& e) {
        return RuntimeErrorWithDetail(RTE_OVERFLOW, e.what());
    } catch (const std::invalid_argument& e) {
        return RuntimeErrorWithDetail(RTE_TYPE_MISMATCH, e.what());
    } catch (const std::out_of_range& e) {
        return RuntimeErrorWithDetail(RTE_SUBSCRIPT, e.what());
    } catch (const std::domain_error& e) {
        return RuntimeErrorWithDetail(RTE_DIVISION_BY_ZERO, e.what());
    } catch (const std::bad_alloc&) {
        return RuntimeErrorWithDetail(RTE_OUT_OF_MEMORY, nullptr);
    } catch (const std::exception& e) {
        return RuntimeErrorWithDetail(RTE_INTERNAL, e.what());
    } catch (...) {
        return RuntimeErrorWithDetail(RTE_INTERNAL, nullptr);
    }
}

void PassError(const std::string& procedureName)
{
    AppError e = CurrentError();
    e.Source = procedureName + "\r\n" + e.Source;
    throw e;
}

void ShowError(const std::string& procedureName)
{
    ShowErrorValue(CurrentError(), procedureName);
}

void ShowErrorValue(AppError e, const std::string& procedureName)
{
    e.Source = procedureName + "\r\n" + e.Source;
    for (const MessageBoxError& plain : g_messageBoxErrors) {
        if (plain.Number != e.Number) continue;
        if (!(plain.SilentWithoutText && e.Description.empty())) Sys().MsgBox(nullptr, e.Description, plain.Type);
        return;
    }
    try {
        Sys().ShowErrorReport(e.Description, e.Source, e.Number);
    } catch (...) {
        // The report window itself failed: the user still learns what went wrong.
        Sys().MsgBox(nullptr, e.Description, MB_ICONERROR | MB_OK);
    }
}
