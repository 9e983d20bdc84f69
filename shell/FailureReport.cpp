#include "FailureReport.h"

#include <new>
#include <stdexcept>

#include "FileError.h"
#include "QtText.h"

std::optional<FailureReport> describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const SilentFailure&) {
        return std::nullopt;
    } catch (const kelvane::FileError& error) {
        return FailureReport{toQString(error.message()), PromptIcon::Stop};
    } catch (const std::bad_alloc&) {
        return FailureReport{QStringLiteral("Out of memory."), PromptIcon::Exclamation};
    } catch (const std::length_error&) {
        // A string that cannot grow any further is out of memory too.
        return FailureReport{QStringLiteral("Out of memory."), PromptIcon::Exclamation};
    } catch (const std::invalid_argument&) {
        return FailureReport{QStringLiteral("An invalid argument was encountered."), PromptIcon::Stop};
    } catch (const std::out_of_range&) {
        return FailureReport{QStringLiteral("An invalid argument was encountered."), PromptIcon::Stop};
    } catch (...) {
        return FailureReport{QStringLiteral("Internal application error."), PromptIcon::Stop};
    }
}
