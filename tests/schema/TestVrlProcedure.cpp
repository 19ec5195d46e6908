#include <gtest/gtest.h>

#include "SchemaTestObjects.h"
#include "common/ExpectDux.h"
#include "schema/VrlFunction.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

TEST(VrlProcedure, ParametersAreFoundByLowerCasedSubstring) {
    VrlParam first(L"@lBatchDefID", VrlDataDefinition(dtInteger, 0), ioIn);
    VrlParam second(L"@lPublishedBatchDefID", VrlDataDefinition(dtInteger, 0), ioOut);
    VrlProcedure proc(L"procPublish", {&first, &second}, L"BODY", L"BatchDef", 1, V(25), 1);
    EXPECT_EQ(&first, proc.GetParameterByName(L"@LBATCHDEFID"));
    EXPECT_EQ(&second, proc.GetParameterByName(L"PublishedBatchDefID"));
    EXPECT_EQ(&first, proc.GetParameterByName(L"DefID"));
    CString message = ExpectDux(4074, [&] { proc.GetParameterByName(L"@Missing"); });
    EXPECT_GE(message.Find(L"@Missing"), 0) << message.ToUtf8();
    EXPECT_EQ(2, proc.GetParameterCount());
    EXPECT_EQ(&second, proc.GetParameter(1));
    EXPECT_EQ(nullptr, proc.GetParameter(2));
}

TEST(VrlProcedure, MarksAreExactlyTheConstructorArguments) {
    VrlProcedure noParams(L"P", L"INSERT INTO T VALUES (1)", L"T", 1, 1, V(30), 1);
    EXPECT_EQ(0, noParams.GetParameterCount());
    EXPECT_EQ(1, noParams.IsReadonly());
    EXPECT_EQ(0, noParams.GetExplicitLocking());
    EXPECT_EQ(1, noParams.GetInsertAction());
    EXPECT_EQ(1, noParams.WithSqlCodeDeclared());
    EXPECT_EQ(L"INSERT INTO T VALUES (1)", noParams.GetBody());
    EXPECT_EQ(L"T", noParams.GetTable());
    EXPECT_EQ(V(30), noParams.GetVersion());

    std::vector<VrlParam*> none;
    VrlProcedure all(L"P", none, L"SELECT 1 WITH (TABLOCKX)", L"T", 0, 1, 0, V(25), 0);
    EXPECT_EQ(1, all.GetExplicitLocking());
    EXPECT_EQ(0, all.GetInsertAction());
    VrlProcedure locked(L"P", none, L"UPDATE T WITH (TABLOCKX)", L"T", 0, V(25), 0);
    EXPECT_EQ(0, locked.GetExplicitLocking());
    EXPECT_EQ(0, locked.GetInsertAction());

    VrlProcedure marker(L"Gone", V(40));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(L"", marker.GetBody());

    VrlProcedure copy(all);
    EXPECT_EQ(1, copy.GetExplicitLocking());
    marker = all;
    EXPECT_FALSE(marker.IsDropped());
    EXPECT_EQ(L"SELECT 1 WITH (TABLOCKX)", marker.GetBody());
}

TEST(VrlFunction, CopiesRebuildTheProcedurePart) {
    VrlParam param(L"@id", VrlDataDefinition(dtGuid, 38), ioIn);
    VrlFunction func(L"fnRows", VrlDataDefinition(dtTable, 0), {&param}, L"RETURN", L"Batch", V(30));
    EXPECT_EQ(0, func.IsReadonly());
    EXPECT_EQ(dtTable, func.GetReturnType().GetDataType());
    VrlFunction copy(func);
    EXPECT_EQ(L"fnRows", copy.GetName());
    EXPECT_EQ(&param, copy.GetParameter(0));
    EXPECT_EQ(L"RETURN", copy.GetBody());
    EXPECT_EQ(V(30), copy.GetVersion());
    EXPECT_EQ(dtTable, copy.GetReturnType().GetDataType());

    VrlFunction dropped(L"fnGone", V(40));
    VrlFunction droppedCopy(dropped);
    EXPECT_TRUE(droppedCopy.IsDropped());
    droppedCopy = func;
    EXPECT_FALSE(droppedCopy.IsDropped());
    EXPECT_EQ(1, droppedCopy.GetParameterCount());
    EXPECT_EQ(38, param.GetLength());
    EXPECT_EQ(ioIn, param.GetInOutType());
}

TEST(VrlView, VersionsAndCopies) {
    VrlView view(L"vwBatch", L"SELECT * FROM Batch", L"Batch");
    EXPECT_EQ(V(25), view.GetVersion());
    EXPECT_FALSE(view.IsDropped());
    VrlView later(L"vwBatch", L"SELECT ID FROM Batch", L"Batch", V(30));
    VrlView copy(later);
    EXPECT_EQ(L"SELECT ID FROM Batch", copy.GetSQL());
    EXPECT_EQ(L"Batch", copy.GetTable());
    EXPECT_EQ(V(30), copy.GetVersion());
    VrlView marker(L"vwBatch", V(40));
    EXPECT_TRUE(marker.IsDropped());
    EXPECT_EQ(L"", marker.GetSQL());
    marker = view;
    EXPECT_FALSE(marker.IsDropped());
    EXPECT_EQ(L"vwBatch", marker.GetName());
    EXPECT_EQ(L"vwbatch", marker.GetLowerName());
}
