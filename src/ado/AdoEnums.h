#pragma once

// ADO's enumerations, with ADO's names and values, so that code written for ADO reads the same.
namespace ado {

enum CursorTypeEnum { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockTypeEnum { adLockUnspecified = -1, adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3,
                    adLockBatchOptimistic = 4 };
enum CursorLocationEnum { adUseNone = 1, adUseServer = 2, adUseClient = 3 };
enum CommandTypeEnum { adCmdUnspecified = -1, adCmdText = 1, adCmdTable = 2, adCmdStoredProc = 4, adCmdUnknown = 8 };
enum ExecuteOptionEnum { adOptionUnspecified = -1, adExecuteNoRecords = 128 };
enum ObjectStateEnum { adStateClosed = 0, adStateOpen = 1, adStateConnecting = 2, adStateExecuting = 4, adStateFetching = 8 };
enum SchemaEnum { adSchemaColumns = 4, adSchemaTables = 20 };
enum EditModeEnum { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2, adEditDelete = 4 };
enum ParameterDirectionEnum { adParamUnknown = 0, adParamInput = 1, adParamOutput = 2, adParamInputOutput = 3,
                              adParamReturnValue = 4 };
enum GetRowsOptionEnum { adGetRowsRest = -1 };
enum IsolationLevelEnum { adXactUnspecified = -1, adXactChaos = 16, adXactReadUncommitted = 256, adXactBrowse = 256,
                          adXactReadCommitted = 4096, adXactCursorStability = 4096, adXactRepeatableRead = 65536,
                          adXactSerializable = 1048576, adXactIsolated = 1048576 };

enum DataTypeEnum {
    adEmpty = 0, adSmallInt = 2, adInteger = 3, adSingle = 4, adDouble = 5, adCurrency = 6, adDate = 7, adBSTR = 8,
    adBoolean = 11, adVariant = 12, adDecimal = 14, adTinyInt = 16, adUnsignedTinyInt = 17, adUnsignedSmallInt = 18,
    adUnsignedInt = 19, adBigInt = 20, adGUID = 72, adBinary = 128, adChar = 129, adWChar = 130, adNumeric = 131,
    adDBDate = 133, adDBTime = 134, adDBTimeStamp = 135, adVarChar = 200, adLongVarChar = 201, adVarWChar = 202,
    adLongVarWChar = 203, adVarBinary = 204, adLongVarBinary = 205
};

// Error numbers ADO raises.
enum AdoErrorNumber {
    adErrUnspecified = -2147467259,        // 0x80004005
    adErrCommandText = -2147217900,        // 0x80040E14: syntax, unknown object
    adErrIntegrity = -2147217873,          // 0x80040E2F: unique, reference, null
    adErrDataOverflow = -2147217833,       // 0x80040E57: text would be truncated
    adErrNoCurrentRecord = 3021,
    adErrItemNotFound = 3265,
    adErrNotSupported = 3251,
    adErrIllegalOperation = 3219,
    adErrObjectClosed = 3704,
    adErrObjectOpen = 3705,
    adErrInvalidConnection = 3709
};

} // namespace ado
