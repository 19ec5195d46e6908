// VrlDbms: the CREATE statements of views, procedures and functions, the read
// procedure of a buffered table and the version-cut column lists used when a
// table's rows are copied.
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlParam.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlView.h"
#include "VrlDbms.h"

namespace VrlSchemaLib {

CString VrlDbms::GetView(const VrlView* view) const {
    if (view == nullptr)
        return CString();
    const CString name = AdjustObjectName(view->GetNameRef());
    if (name.IsEmpty())
        return CString();
    const CString text = L"CREATE VIEW " + name + L" AS\n" + view->GetSQL();
    ValidateString(text);
    return text;
}

CString VrlDbms::GetProcParameters(const VrlProcedure* procedure) const {
    if (procedure == nullptr)
        return CString();
    std::vector<CString> items;
    const LONG count = procedure->GetParameterCount();
    items.reserve(static_cast<size_t>(count));
    for (LONG i = 0; i < count; ++i) {
        const VrlParam* parameter = procedure->GetParameter(i);
        if (parameter == nullptr)
            continue;
        const CString name = FormatParameterName(parameter->GetNameRef());
        const CString type = FormatSchemaCreationDataType(parameter->GetDataType(), parameter->GetLength());
        if (name.IsEmpty() || type.IsEmpty())
            continue;
        items.push_back(Sql(21, name, ConverToSqlDataType(parameter->GetInOutType()), type));
    }
    return GetFields(items);
}

CString VrlDbms::GetFuncParameters(const VrlFunction* function) const {
    if (function == nullptr)
        return CString();
    return GetProcParameters(function);
}

CString VrlDbms::GetProcedureBody(const VrlProcedure* procedure) const {
    return procedure ? procedure->GetBody() : CString();
}

CString VrlDbms::GetFunctionBody(const VrlFunction* function) const {
    return GetProcedureBody(function);
}

CString VrlDbms::GetProcedure(const VrlProcedure* procedure) const {
    if (procedure == nullptr)
        return CString();
    const CString name = AdjustObjectName(procedure->GetNameRef());
    CString parameters = GetProcParameters(procedure);
    const CString body = GetProcedureBody(procedure);
    if (!parameters.IsEmpty())
        parameters = L"(" + parameters + L")";
    if (name.IsEmpty() || body.IsEmpty())
        return CString();
    return Sql(13, name, parameters, body);
}

CString VrlDbms::GetFunction(const VrlFunction* function) const {
    if (function == nullptr)
        return CString();
    const CString name = function->GetNameRef();
    const CString parameters = GetFuncParameters(function);
    CString body = GetFunctionBody(function);
    if (name.IsEmpty() || body.IsEmpty())
        return CString();
    const VrlDataDefinition returnType = function->GetReturnType();
    const CString returns = FormatSchemaCreationDataType(returnType.GetDataType(), returnType.GetLength());
    if (returnType.GetDataType() == dtTable)
        body = Sql(18, body);
    return Sql(19, name, parameters, returns, body);
}

CString VrlDbms::FormatFunctionCall(const VrlFunction* function) const {
    if (function == nullptr)
        return CString();
    CString call = function->GetNameRef();
    const LONG count = function->GetParameterCount();
    if (count > 0) {
        call += L'(';
        for (LONG i = 0; i < count; ++i) {
            if (i > 0)
                call += L',';
            const VrlParam* parameter = function->GetParameter(i);
            if (parameter != nullptr)
                call += FormatParameterName(parameter->GetNameRef());
        }
        call += L')';
    }
    return call;
}

CString VrlDbms::GetBufferFunctionDefinition(const VrlTable* table) const {
    const CString procedure = table->GetBufferFunction(VrlDbVersion35);
    const LONG rows = table->GetBufferSize();
    const CString key = table->GetPrimaryKeyFieldName();
    // A table without a key column has no key type to declare; the template
    // then gets the empty text rather than a guess.
    const VrlField* keyField = key.IsEmpty() ? nullptr : table->GetField(key.GetString());
    const CString keyType =
        keyField ? FormatSchemaCreationDataType(keyField->GetDataType(), keyField->GetLength()) : CString();
    return Sql(15, static_cast<int>(rows), procedure, keyType, table->GetNameRef(), key);
}

CString VrlDbms::GetSelectOldBufferTableSQL(const VrlTable*) const {
    return CString();
}

CString VrlDbms::GetTableColumnList(const VrlTable* table, VrlServicePackNum servicePack) const {
    CString list;
    bool publishing = false;
    const bool cutByVersion = servicePack < VrlServicePackColumnListThreshold;
    const VrlSchemaVersion limit(VrlDbVersion35, servicePack);
    const LONG count = table->GetFieldCount();
    for (LONG i = 0; i < count; ++i) {
        const VrlField* field = table->GetField(i);
        if (field == nullptr || field->IsFake() || field->GetDataType() == dtBinary)
            continue;
        if (cutByVersion && field->GetVersion().Compare(limit) > 0)
            continue;
        list += FormatFieldName(field->GetNameRef());
        list += L',';
        if (!publishing && field->GetNameRef().CompareNoCase(L"PublishedBatchDefID") == 0 &&
            table->GetNameRef().CompareNoCase(L"BatchDefID") != 0)
            publishing = true;
    }
    if (publishing)
        list += L"AdminID,Referenced";
    list.TrimRight(L',');
    return list;
}

} // namespace VrlSchemaLib
