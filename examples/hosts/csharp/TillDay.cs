// till_day: a till in C# against the package's C interface (P/Invoke). It
// runs the day of ../day/ against the virtual printer and checks its figures,
// then checks that bad input comes back as a clear last error. The day's
// folder comes from MDX_DAY, the till's folder from MDX_WORK; the package is
// found through the library search path. Exit status 0 when every check
// passed. A real till would read the results with a JSON library; this one
// looks for the figures in the text.
using System;
using System.IO;
using Mdx00200;

static class TillDay
{
    static Package package = new Package();
    static string day;
    static int checks, failures;

    static void Check(bool ok, string what, string got)
    {
        ++checks;
        Console.WriteLine((ok ? "ok   " : "FAIL ") + what);
        if (ok) return;
        ++failures;
        Console.WriteLine("     got: " + (got ?? "(null)"));
    }

    static string Call(string op, string arguments)
    {
        try
        {
            return package.Call(op, arguments);
        }
        catch (PackageException e)
        {
            return "error " + e.Code + ": " + e.Message;
        }
    }

    static string CallDay(string op, string name)
    {
        return Call(op, File.ReadAllText(Path.Combine(day, name + ".json")));
    }

    static void RunDay()
    {
        string r = CallDay("StartImpFiscal", "session");
        Check(r.Contains("\"result\":true") && package.Global("boImpFiscalOK") == "true", "the session starts", r);
        CallDay("CarregaAliquota", "tax_rates");
        r = CallDay("AbreCupom", "coupon");
        Check(r.Contains("\"CUPNR\":\"000001\""), "coupon 000001 opens", r);
        r = CallDay("VendaItem", "item1");
        Check(r.Contains("\"result\":true"), "item 1", r);
        r = CallDay("VendaItem", "item2");
        Check(r.Contains("\"result\":true"), "item 2", r);
        r = CallDay("FechaCupom", "closing");
        Check(r.Contains("\"result\":true") && r.Contains("[0,\"000001\","), "the coupon closes, paid in cash", r);
        r = Call("BuscaTotGer", "[\"001\", \"\"]");
        Check(r.Contains("\"12,97\""), "grand total 12,97", r);
        r = CallDay("Leitura_X_Imp", "x_reading");
        Check(r.Contains("\"result\":true"), "X reading", r);
        CallDay("CarregaAliquota", "tax_rates");
        r = CallDay("ExportRedZ", "z_data");
        Check(r.Contains("\"result\":true") && r.Contains("\"VRGTREDZ\":12.97") && r.Contains("\"VRVENLIQREDZ\":12.47")
              && r.Contains("\"VRFORMPGTORZ\":12.47"), "the Z data: grand total 12.97, net sales 12.47, cash 12.47", r);
        r = CallDay("Reducao_Z_Imp", "z_reduction");
        Check(r.Contains("\"result\":true"), "Z reduction", r);
    }

    static void BadInput()
    {
        string r = Call("VendaItem", "[{\"ESQUEMACOR\": ");
        Check(r.StartsWith("error " + Codes.Json + ":"), "malformed JSON is MDX_ERROR_JSON", r);
        r = Call("VendeItem", "[]");
        Check(r.StartsWith("error " + Codes.UnknownName + ":"), "an unknown operation is MDX_ERROR_UNKNOWN_NAME", r);
        Call("VendaItem", "[{\"ESQUEMACOR\": \"001\", \"CDARVPROD\": \"9\"}]");
        Check(package.LastErrorCode == Codes.Argument &&
              package.LastErrorMessage.Contains("VendaItem: argument 1 has no 'INTTEFERRO'"),
              "a record without a field is MDX_ERROR_ARGUMENT naming it", package.LastErrorMessage);
    }

    static int Main()
    {
        day = Environment.GetEnvironmentVariable("MDX_DAY");
        package.SetHostFolder(Environment.GetEnvironmentVariable("MDX_WORK"));
        package.SetDelay(units => { });
        package.SetDialog((text, kind) => { Console.WriteLine("     dialog (kind " + kind + "): " + text); return false; });
        RunDay();
        BadInput();
        Call("FechaPorta", "[]");
        Console.WriteLine((checks - failures) + " passed, " + failures + " failed");
        return failures == 0 ? 0 : 1;
    }
}
