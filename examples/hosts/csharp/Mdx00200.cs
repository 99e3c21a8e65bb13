// The package's C interface for C# hosts, through P/Invoke. "mdx00200"
// resolves to Mdx00200.dll on Windows (__stdcall, 32-bit) and to
// libmdx00200.so elsewhere (found through the library search path). Texts
// are UTF-8; the package's texts stay valid until the next call of the same
// function, so they are copied into .NET strings at once.
using System;
using System.Runtime.InteropServices;
using System.Text;

namespace Mdx00200
{
    public static class Codes
    {
        public const int Ok = 0, Json = 1, UnknownName = 2, Argument = 3, Raised = 4, Refused = 5,
                         NoSession = 6, Internal = 7;
    }

    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int DialogCallback(IntPtr context, IntPtr text, IntPtr caption, int kind, IntPtr scheme);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void DelayCallback(IntPtr context, int units);

    public static class Native
    {
        const string Library = "mdx00200";

        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern int mdx_version();
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern int mdx_last_error_code();
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern IntPtr mdx_last_error_message();
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern IntPtr mdx_call(byte[] name, byte[] arguments);
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern IntPtr mdx_get_global(byte[] name);
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern int mdx_set_host_folder(byte[] folder);
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern void mdx_set_dialog_callback(DialogCallback callback, IntPtr context);
        [DllImport(Library, CallingConvention = CallingConvention.StdCall)]
        public static extern void mdx_set_delay_callback(DelayCallback callback, IntPtr context);
    }

    // A call that gave no result: the package's code and message.
    public class PackageException : Exception
    {
        public readonly int Code;
        public PackageException(int code, string message) : base(message) { Code = code; }
    }

    // The package as a host calls it: operations by name with JSON arguments.
    public class Package
    {
        // Installed callbacks stay referenced here, so the collector keeps them.
        DialogCallback dialog;
        DelayCallback delay;

        public static byte[] Utf8(string text)
        {
            return Encoding.UTF8.GetBytes(text + "\0");
        }

        public static string Text(IntPtr utf8)
        {
            if (utf8 == IntPtr.Zero) return null;
            int length = 0;
            while (Marshal.ReadByte(utf8, length) != 0) ++length;
            byte[] bytes = new byte[length];
            Marshal.Copy(utf8, bytes, 0, length);
            return Encoding.UTF8.GetString(bytes);
        }

        public int LastErrorCode { get { return Native.mdx_last_error_code(); } }
        public string LastErrorMessage { get { return Text(Native.mdx_last_error_message()); } }

        // The JSON result {"result": ..., "args": [...]}; PackageException
        // when the call gave none.
        public string Call(string name, string arguments)
        {
            string result = Text(Native.mdx_call(Utf8(name), Utf8(arguments)));
            if (result == null) throw new PackageException(LastErrorCode, LastErrorMessage);
            return result;
        }

        public string Global(string name)
        {
            string value = Text(Native.mdx_get_global(Utf8(name)));
            if (value == null) throw new PackageException(LastErrorCode, LastErrorMessage);
            return value;
        }

        public void SetHostFolder(string folder)
        {
            if (Native.mdx_set_host_folder(Utf8(folder)) != Codes.Ok)
                throw new PackageException(LastErrorCode, LastErrorMessage);
        }

        public void SetDialog(Func<string, int, bool> answer)
        {
            dialog = (context, text, caption, kind, scheme) => answer(Text(text), kind) ? 1 : 0;
            Native.mdx_set_dialog_callback(dialog, IntPtr.Zero);
        }

        public void SetDelay(Action<int> pause)
        {
            delay = (context, units) => pause(units);
            Native.mdx_set_delay_callback(delay, IntPtr.Zero);
        }
    }
}
