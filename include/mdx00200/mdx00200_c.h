/* The package's flat C interface, for hosts in any language (C, Delphi and
 * Free Pascal, C#, Python, ...). It stands beside the C++ interface of
 * mdx00200.h and carries the same operations under the same names.
 *
 * Plain C (C89 and later, and C++): only const char*, int, void* and function
 * pointers cross it. On Windows 32-bit every function and callback is
 * __stdcall, exported from Mdx00200.dll under its plain name (mdx_call, as
 * mdx00200_c.def lists them) and under the decorated name the import library
 * links (mdx_call@8); elsewhere the platform's C convention.
 *
 * Calls. mdx_call(operation, arguments) runs one operation of the package by
 * its name ("AbreCupom", "Leitura_X_Imp", ...; docs/operations.md lists them
 * with their JSON forms). The arguments are a JSON array, one element per
 * parameter in the operation's order (a positional list with its highest
 * index counts as one element, an array). The forms:
 *   texts, numbers, true/false, null       as themselves
 *   parameter record                       {"CDFILIAL": "0001", ...}
 *   positional list, string list           [ ... ]
 *   dataset                                {"fields": [{"name": "CDTIPORECE",
 *                                            "kind": "text", "width": 3}, ...],
 *                                           "rows": [{"CDTIPORECE": "001"}, ...]}
 *   data packet (a dataset as a variant)   {"packet": DATASET}
 *   date-time                              {"date": "dd/mm/yyyy hh:nn:ss"} (or
 *                                           the bare text where the parameter
 *                                           is a date-time)
 *   result array of N empty cells          {"array": N}
 * The result is a JSON object {"result": R, "args": [...]}: R is the
 * operation's own result (true/false, a text, a number, a date-time object,
 * or null for an operation that returns nothing); "args" has one element per
 * argument: what an in/out parameter (a text, a record, a result array, a
 * dataset the operation fills, a string list) holds after the call, and null
 * for a parameter the operation only reads.
 *
 * Ownership. Every text the library returns belongs to the library and stays
 * valid until the next call of the same function (mdx_call's result until the
 * next mdx_call, and so on). Copy what you keep. Texts you pass are read
 * during the call only.
 *
 * Text encoding: UTF-8 by default, in and out (JSON texts, callback texts,
 * the host folder). mdx_set_encoding(MDX_ENCODING_CP1252) switches to the
 * printer's Windows-1252 for hosts that work in that code page.
 *
 * Errors. No C++ exception ever leaves these functions. mdx_call returns NULL
 * when it could not call the operation (malformed JSON, unknown operation,
 * wrong arguments) or when the operation raised an error; it returns the
 * result when the operation ran, also when the result is false. Either way
 * mdx_last_error_code and mdx_last_error_message tell what went wrong during
 * the last call (MDX_OK when nothing did): for a false result, the messages
 * the operation showed or gathered for the operator. New codes may appear;
 * treat an unknown one as a failure.
 *
 * Host services. Without callbacks the library is safe for a host without a
 * user interface: dialogs and message boxes show nothing (their texts go to
 * the last error) and questions are answered "no", the message loop is not
 * pumped, a pause sleeps 100 ms a unit, and the host folder (debug log,
 * configuration file, fiscal-menu files) is the current directory at the
 * first call. The C interface installs these services at its first call; a
 * callback set again replaces the previous one, NULL restores the default.
 * A callback must not call back into the library.
 *
 * Threads: one call at a time, from the host's user-interface thread.
 */
#ifndef MDX00200_C_H
#define MDX00200_C_H

#if defined(_WIN32)
#define MDX_C_CALL __stdcall
#define MDX_C_API
#elif defined(__GNUC__)
#define MDX_C_CALL
#define MDX_C_API __attribute__((visibility("default")))
#else
#define MDX_C_CALL
#define MDX_C_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The version of this interface; grows when functions are added. */
#define MDX_C_VERSION 1
MDX_C_API int MDX_C_CALL mdx_version(void);

/* ---- Errors -------------------------------------------------------------- */

#define MDX_OK 0
/* The arguments are not JSON text (or not in the chosen encoding). */
#define MDX_ERROR_JSON 1
/* No operation (or global) of that name; names are case-sensitive. */
#define MDX_ERROR_UNKNOWN_NAME 2
/* An argument is missing, extra or of the wrong form; a dataset lacks a field
 * the operation needs. The message names the argument. */
#define MDX_ERROR_ARGUMENT 3
/* The operation raised an error (a conversion, a dataset, a file). */
#define MDX_ERROR_RAISED 4
/* The operation ran and returned false; the message has what it showed or
 * gathered for the operator, or the printer's last reply. */
#define MDX_ERROR_REFUSED 5
/* The operation needs the printer session and none has started
 * (StartImpFiscal); a line in the debug log says so too. */
#define MDX_ERROR_NO_SESSION 6
/* Anything else (out of memory, an unexpected failure inside the library). */
#define MDX_ERROR_INTERNAL 7

/* The code and message of the last failure of the last call (MDX_OK and ""
 * after a call that went well). Neither changes the last error. The message
 * is valid until the next call of any other function of this header. */
MDX_C_API int MDX_C_CALL mdx_last_error_code(void);
MDX_C_API const char* MDX_C_CALL mdx_last_error_message(void);

/* ---- Text encoding ------------------------------------------------------- */

#define MDX_ENCODING_UTF8 0
#define MDX_ENCODING_CP1252 1
/* Chooses the encoding of every text in and out. Returns MDX_OK, or
 * MDX_ERROR_ARGUMENT for an unknown encoding (the encoding stays). */
MDX_C_API int MDX_C_CALL mdx_set_encoding(int encoding);

/* ---- Operations ----------------------------------------------------------- */

/* Runs the operation `name` with `arguments` (a JSON array; NULL or "" for
 * none). Returns the JSON result (see above), or NULL with the last error. */
MDX_C_API const char* MDX_C_CALL mdx_call(const char* name, const char* arguments);

/* Every operation mdx_call knows, as a JSON array of
 * {"name": "AbreCupom", "arguments": 1, "parameters": ["record"]}, in the
 * order of docs/operations.md. */
MDX_C_API const char* MDX_C_CALL mdx_operations(void);

/* The exported global `name` (SwedaRet, boImpFiscalOK, stMensagemTaa,
 * Portas, ...) as JSON text: a text, true/false, a number, an array; for a
 * library entry point or handle, whether it is set (true/false). NULL with
 * MDX_ERROR_UNKNOWN_NAME for another name. */
MDX_C_API const char* MDX_C_CALL mdx_get_global(const char* name);

/* ---- Host services ---------------------------------------------------------- */

/* The host's folder: the package's debug log, the printer configuration file
 * "Vendora.cds", the sale files and the fiscal-menu files live under it.
 * Returns MDX_OK, or MDX_ERROR_ARGUMENT for NULL or "". */
MDX_C_API int MDX_C_CALL mdx_set_host_folder(const char* folder);

/* The host's modal dialog: `kind` is 0 for printer messages, 1 for
 * confirmations, 3 for failures and the printer-not-responding question;
 * `scheme` is the colour scheme the host passed. Returns non-zero for yes. */
typedef int(MDX_C_CALL* mdx_dialog_callback)(void* context, const char* text, const char* caption, int kind,
                                             const char* scheme);
/* A plain message box. */
typedef void(MDX_C_CALL* mdx_message_callback)(void* context, const char* text);
/* Lets the host's message loop run (long operations call it). */
typedef void(MDX_C_CALL* mdx_pump_callback)(void* context);
/* A pause of `units` (the default is 100 ms a unit). */
typedef void(MDX_C_CALL* mdx_delay_callback)(void* context, int units);

MDX_C_API void MDX_C_CALL mdx_set_dialog_callback(mdx_dialog_callback callback, void* context);
MDX_C_API void MDX_C_CALL mdx_set_message_callback(mdx_message_callback callback, void* context);
MDX_C_API void MDX_C_CALL mdx_set_pump_callback(mdx_pump_callback callback, void* context);
MDX_C_API void MDX_C_CALL mdx_set_delay_callback(mdx_delay_callback callback, void* context);

#ifdef __cplusplus
}
#endif

#endif /* MDX00200_C_H */
