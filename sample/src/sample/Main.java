package sample;

import java.time.Instant;
import java.time.temporal.ChronoUnit;

// A small application to launch: it shows what main received.
public class Main {
    public static void main(String[] args) {
        // The benchmark asks for the moment main was entered, in epoch
        // nanoseconds, before anything else is done.
        if (Boolean.getBoolean("sample.timing")) {
            System.out.println("main-entered " + ChronoUnit.NANOS.between(Instant.EPOCH, Instant.now()));
            return;
        }
        System.out.println("Hello from " + Main.class.getName() + " on Java "
                + System.getProperty("java.version") + " (" + System.getProperty("java.home") + ")");
        System.out.println("main received " + args.length + " argument(s):");
        for (int i = 0; i < args.length; i++)
            System.out.println("  [" + i + "] \"" + args[i] + "\"");
    }
}
