/* till_day: a till written in plain C against the package's C interface. It
 * runs the day of ../day/ (a sale, an X reading, the Z data, a Z reduction)
 * against the virtual printer and checks its figures, then checks that bad
 * input comes back as a clear last error.
 *
 *   till_day DAY_FOLDER WORK_FOLDER
 *
 * WORK_FOLDER is the till's folder (debug log, configuration files). Exit
 * status 0 when every check passed, 1 otherwise. A real till would read the
 * results with a JSON library; this one looks for the figures in the text. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "mdx00200/mdx00200_c.h"

static const char* g_day;
static int g_checks, g_failures;

/* The whole file day/NAME.json, or NULL (reported). The caller frees it. */
static char* ReadDay(const char* name) {
  char path[1024];
  FILE* file;
  long size;
  char* text;
  snprintf(path, sizeof path, "%s/%s.json", g_day, name);
  file = fopen(path, "rb");
  if (!file) {
    printf("cannot read %s\n", path);
    ++g_failures;
    return NULL;
  }
  fseek(file, 0, SEEK_END);
  size = ftell(file);
  fseek(file, 0, SEEK_SET);
  text = (char*)malloc((size_t)size + 1);
  if (text) text[fread(text, 1, (size_t)size, file)] = '\0';
  fclose(file);
  return text;
}

static void Check(int ok, const char* what, const char* text) {
  ++g_checks;
  printf("%s %s\n", ok ? "ok  " : "FAIL", what);
  if (!ok) {
    ++g_failures;
    printf("     got: %.400s\n", text ? text : "(null)");
  }
}

/* Calls `op` with the arguments of day/FILE.json (or `args` itself when FILE
 * is NULL); returns the result text, valid until the next call. */
static const char* Call(const char* op, const char* file, const char* args) {
  char* text = file ? ReadDay(file) : NULL;
  const char* result = mdx_call(op, file ? text : args);
  free(text);
  if (!result) printf("     %s: error %d: %s\n", op, mdx_last_error_code(), mdx_last_error_message());
  return result;
}

static int Has(const char* text, const char* part) { return text && strstr(text, part) != NULL; }

/* Pauses need no wait against the virtual printer. */
static void MDX_C_CALL NoDelay(void* context, int units) {
  (void)context;
  (void)units;
}

/* The operator's dialogs: shown on the console, answered "no". */
static int MDX_C_CALL Dialog(void* context, const char* text, const char* caption, int kind, const char* scheme) {
  (void)context;
  (void)caption;
  (void)scheme;
  printf("     dialog (kind %d): %s\n", kind, text);
  return 0;
}

static void Day(void) {
  const char* r;
  r = Call("StartImpFiscal", "session", NULL);
  Check(Has(r, "\"result\":true"), "the session starts", r);
  r = mdx_get_global("boImpFiscalOK");
  Check(r && strcmp(r, "true") == 0, "every entry point of the maker's libraries was found", r);
  r = Call("CarregaAliquota", "tax_rates", NULL);
  Check(Has(r, "\"CDALIQIMPFIS\":\"T01\""), "the printer's tax rates", r);

  r = Call("AbreCupom", "coupon", NULL);
  Check(Has(r, "\"CUPNR\":\"000001\""), "coupon 000001 opens", r);
  r = Call("VendaItem", "item1", NULL);
  Check(Has(r, "\"result\":true"), "item 1", r);
  r = Call("VendaItem", "item2", NULL);
  Check(Has(r, "\"result\":true"), "item 2", r);
  r = Call("FechaCupom", "closing", NULL);
  Check(Has(r, "\"result\":true") && Has(r, "[0,\"000001\","), "the coupon closes, paid in cash", r);
  r = Call("BuscaTotGer", NULL, "[\"001\", \"\"]");
  Check(Has(r, "\"12,97\""), "grand total 12,97", r);

  r = Call("Leitura_X_Imp", "x_reading", NULL);
  Check(Has(r, "\"result\":true"), "X reading", r);
  Call("CarregaAliquota", "tax_rates", NULL);
  r = Call("ExportRedZ", "z_data", NULL);
  Check(Has(r, "\"result\":true") && Has(r, "\"VRGTREDZ\":12.97") && Has(r, "\"VRVENLIQREDZ\":12.47") &&
            Has(r, "\"VRFORMPGTORZ\":12.47"),
        "the Z data: grand total 12.97, net sales 12.47, cash 12.47", r);
  r = Call("Reducao_Z_Imp", "z_reduction", NULL);
  Check(Has(r, "\"result\":true"), "Z reduction", r);
}

static void BadInput(void) {
  const char* r = mdx_call("VendaItem", "[{\"ESQUEMACOR\": ");
  Check(r == NULL && mdx_last_error_code() == MDX_ERROR_JSON, "malformed JSON is MDX_ERROR_JSON",
        mdx_last_error_message());
  r = mdx_call("VendeItem", "[]");
  Check(r == NULL && mdx_last_error_code() == MDX_ERROR_UNKNOWN_NAME &&
            Has(mdx_last_error_message(), "unknown operation \"VendeItem\""),
        "an unknown operation is MDX_ERROR_UNKNOWN_NAME", mdx_last_error_message());
  mdx_call("VendaItem", "[{\"ESQUEMACOR\": \"001\", \"CDARVPROD\": \"9\"}]");
  Check(mdx_last_error_code() == MDX_ERROR_ARGUMENT &&
            Has(mdx_last_error_message(), "VendaItem: argument 1 has no 'INTTEFERRO'"),
        "a record without a field is MDX_ERROR_ARGUMENT naming it", mdx_last_error_message());
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: till_day DAY_FOLDER WORK_FOLDER\n");
    return 2;
  }
  g_day = argv[1];
  if (mdx_set_host_folder(argv[2]) != MDX_OK) {
    fprintf(stderr, "till_day: %s\n", mdx_last_error_message());
    return 2;
  }
  mdx_set_delay_callback(NoDelay, NULL);
  mdx_set_dialog_callback(Dialog, NULL);
  Day();
  BadInput();
  mdx_call("FechaPorta", "[]");
  printf("%d passed, %d failed\n", g_checks - g_failures, g_failures);
  return g_failures == 0 ? 0 : 1;
}
