package probe;

import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.io.Writer;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;

// Records what main received: the default charset, the number of
// arguments, then each argument on its own line, written as UTF-8 to the
// file named by -Decho.out (standard output when none is named).
public class EchoArgs {
    public static void main(String[] args) throws IOException {
        StringBuilder text = new StringBuilder();
        text.append(Charset.defaultCharset().name()).append('\n');
        text.append(System.getProperty("java.home")).append('\n');
        text.append(args.length).append('\n');
        for (String arg : args)
            text.append(arg).append('\n');
        String out = System.getProperty("echo.out");
        if (out == null) {
            System.out.print(text);
            return;
        }
        try (Writer writer = new OutputStreamWriter(new FileOutputStream(out), StandardCharsets.UTF_8)) {
            writer.write(text.toString());
        }
    }
}
