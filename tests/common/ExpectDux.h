// ExpectDux runs a call that must raise a DuxException with the given code.
// It fails the test when nothing or something else is thrown, ends the
// exception with Delete() so no test leaks, and returns the message text so
// that the test can check it. Every DuxException it catches is noted in the
// code log (common/DuxCodeLog.h), from which ctest checks that every code the
// library raises is raised by some test.
//
//     CString msg = ExpectDux(4070, [&] { schema.GetTable(L"Nope"); });
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/DuxCodeLog.h"
#include "common/HostMessagesFixture.h"
#include "platform/CException.h"
#include "platform/CString.h"
#include "support/DuxException.h"

template <class F> CString ExpectDux(LONG code, F&& call) {
    CString message;
    try {
        std::forward<F>(call)();
        ADD_FAILURE() << "expected DuxException " << code << ", nothing was thrown";
    } catch (VrlSchemaLib::DuxException* e) {
        VrlSchemaTest::RecordDuxCode(e->GetError(), e->GetFile().GetString(), e->GetLineNo());
        EXPECT_EQ(code, e->GetError()) << "message: " << e->GetMessageW().ToUtf8();
        message = e->GetMessageW();
        e->Delete();
    } catch (CException* e) {
        ADD_FAILURE() << "expected DuxException " << code << ", got "
                      << e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
    } catch (...) {
        ADD_FAILURE() << "expected DuxException " << code << ", got a foreign exception";
    }
    return message;
}
