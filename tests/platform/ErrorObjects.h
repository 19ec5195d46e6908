// Thread error objects for the tests: publishing one as a COM server does,
// and taking the calling thread's one back into a _com_error.
#pragma once

#include <gtest/gtest.h>

#include "platform/ComError.h"
#include "platform/ErrorInfo.h"

namespace VrlSchemaTest {

// Publishes an error object with the given texts in the calling thread.
inline void PublishError(const wchar_t* description, const wchar_t* source) {
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(CreateErrorInfo(&create), S_OK);
    create->SetDescription(description);
    create->SetSource(source);
    IErrorInfo* info = nullptr;
    ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
    EXPECT_EQ(SetErrorInfo(0, info), S_OK);
    info->Release();
    create->Release();
}

// Takes the calling thread's error object (if any) into a _com_error.
inline _com_error TakeError(HRESULT hr) {
    IErrorInfo* info = nullptr;
    GetErrorInfo(0, &info);
    return _com_error(hr, info);
}

} // namespace VrlSchemaTest
