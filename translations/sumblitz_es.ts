<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>core</name>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>OnStart</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>MaxTime</source>
        <translation>TiempMáx</translation>
    </message>
    <message>
        <source>MaxProb</source>
        <translation>CuenMáx</translation>
    </message>
    <message>
        <source>StopOn</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Either</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Cargado</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Reloj:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Espera:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>10Sub</source>
        <translation>10Menos</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>DivR</source>
        <translation>EntreR</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Nuevo:</translation>
    </message>
    <message>
        <source>Remove:</source>
        <translation>Quitar:</translation>
    </message>
    <message>
        <source>Rev 1 to</source>
        <translation>Repaso 1 a</translation>
    </message>
    <message>
        <source>Rev End</source>
        <translation>Fin repaso</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>¡Muy bien hecho!</translation>
    </message>
    <message>
        <source>Auto Teach On</source>
        <translation>Guía activada</translation>
    </message>
    <message>
        <source>Auto Teach Off</source>
        <translation>Guía apagada</translation>
    </message>
    <message>
        <source>Original Default</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Custom Default</source>
        <translation>Valores propios</translation>
    </message>
    <message>
        <source>Get Ready</source>
        <translation>Prepárate</translation>
    </message>
    <message>
        <source>Nothing to drill</source>
        <translation>Nada que practicar</translation>
    </message>
    <message>
        <source>Choose other numbers</source>
        <translation>Elige otros números</translation>
    </message>
    <message>
        <source>!! Time Out !!</source>
        <translation>¡¡ Se acabó el tiempo !!</translation>
    </message>
    <message>
        <source>!!Wrong Answer !!</source>
        <translation>¡¡ Respuesta incorrecta !!</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtract from 10</source>
        <translation>10 menos</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division without remainders</source>
        <translation>División sin resto</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>División con resto</translation>
    </message>
    <message>
        <source>Fluent</source>
        <translation>Dominada</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Often wrong</source>
        <translation>Muchas veces mal</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Nunca preguntada</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Operation and level</source>
        <translation>Operación y nivel</translation>
    </message>
    <message>
        <source>Auto Teach</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Last drill</source>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Right this week</source>
        <translation>Aciertos esta semana</translation>
    </message>
    <message>
        <source>Fluent facts</source>
        <translation>Cuentas dominadas</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>history could not be read</source>
        <translation>historial ilegible</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>by</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos esta semana</translation>
    </message>
    <message>
        <source>Today&apos;s Practice</source>
        <translation>Práctica de hoy</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Para repasar hoy</translation>
    </message>
    <message>
        <source>Fluent facts gained this week</source>
        <translation>Dominadas esta semana</translation>
    </message>
    <message>
        <source>pupil</source>
        <translation>alumno</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>drill began</source>
        <translation>inicio del ejercicio</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>operación</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegida</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>auto teach</source>
        <translation>guía</translation>
    </message>
    <message>
        <source>first numbers</source>
        <translation>primeros números</translation>
    </message>
    <message>
        <source>second numbers</source>
        <translation>segundos números</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>Settings could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardaron los ajustes (%1)</translation>
    </message>
    <message>
        <source>Settings could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudieron leer los ajustes (%1)</translation>
    </message>
    <message>
        <source>Results could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardaron los resultados (%1)</translation>
    </message>
    <message>
        <source>Results could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudieron leer los resultados (%1)</translation>
    </message>
    <message>
        <source>Results could not be read and were not saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudieron leer los resultados y no se guardaron (%1)</translation>
    </message>
    <message>
        <source>Student data could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardaron los alumnos (%1)</translation>
    </message>
    <message>
        <source>Student data could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudieron leer los alumnos (%1)</translation>
    </message>
    <message>
        <source>History could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardó el historial (%1)</translation>
    </message>
    <message>
        <source>Table could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardó la tabla (%1)</translation>
    </message>
    <message>
        <source>Progress could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardó el progreso (%1)</translation>
    </message>
    <message>
        <source>Overview could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se guardó el resumen (%1)</translation>
    </message>
    <message>
        <source>The data folder cannot be reached: saving again soon</source>
        <translation>No se puede llegar a la carpeta de datos: se vuelve a guardar en un momento</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 se está usando en %2</translation>
    </message>
    <message>
        <source>%1 was taken over by another computer: her results are no longer saved here</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Otro ordenador ha tomado a %1: sus resultados ya no se guardan aquí</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <extracomment>%1 is a computer&apos;s name, %2 a time of day (10:02).</extracomment>
        <translation>%1 desde las %2</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) was damaged and has been repaired: every pupil found in it is listed.</source>
        <translation>El archivo de la clase (StdDat.Xrx) estaba dañado y se ha reparado: todos los alumnos encontrados están en la lista.</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) cannot be read (%1): it is left as it is, and pupils cannot be added, removed or renamed.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>El archivo de la clase (StdDat.Xrx) no se puede leer (%1): se deja como está, y no se pueden añadir, quitar ni renombrar alumnos.</translation>
    </message>
    <message>
        <source>The class list is being changed on %1: choose Cancel and open this window again in a moment.</source>
        <extracomment>%1 is the computer (and since when).</extracomment>
        <translation>La lista de la clase se está cambiando en %1: pulsa Cancelar y vuelve a abrir esta ventana en un momento.</translation>
    </message>
    <message>
        <source>%1 is in use on %2: she can be changed once that computer has let her go.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 se está usando en %2: se podrá cambiar cuando ese ordenador lo deje libre.</translation>
    </message>
    <message>
        <source>%1 is in use on %2. Take Over only when that computer is off: what it has not saved is lost.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 se está usando en %2. Pulsa Tomar aquí solo si ese ordenador está apagado: lo que no haya guardado se pierde.</translation>
    </message>
    <message>
        <source>That letter cannot be kept in a pupil&apos;s name: use the letters of Western European languages.</source>
        <translation>Esa letra no puede ir en un nombre: usa letras de los idiomas de Europa occidental.</translation>
    </message>
    <message>
        <source>Choose the pupil to rename in the list first.</source>
        <translation>Primero elige en la lista el alumno que quieres renombrar.</translation>
    </message>
    <message>
        <source>Type the new name in the box above the list first.</source>
        <translation>Primero escribe el nombre nuevo en la casilla encima de la lista.</translation>
    </message>
    <message>
        <source>%1 is already on the list: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 ya está en la lista: elige otro nombre.</translation>
    </message>
    <message>
        <source>%1 has no record in the class file yet: choose OK first.</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 aún no está en el archivo de la clase: primero pulsa Aceptar.</translation>
    </message>
    <message>
        <source>Results are already kept under the name %1: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Ya hay resultados con el nombre %1: elige otro nombre.</translation>
    </message>
    <message>
        <source>The answer history of %1 stays under that name: another history is kept under the name %2.</source>
        <extracomment>%1 is the pupil&apos;s old name, %2 her new one.</extracomment>
        <translation>El historial de respuestas de %1 se queda con ese nombre: ya hay otro historial con el nombre %2.</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved, so no other pupil is loaded: %2</source>
        <extracomment>%1 is the pupil; %2 is the main window&apos;s line that says which files were not saved.</extracomment>
        <translation>Los resultados de %1 no se guardaron, así que no se carga otro alumno: %2</translation>
    </message>
    <message>
        <source>The class file</source>
        <translation>El archivo de la clase</translation>
    </message>
    <message>
        <source>The settings of %1 could not be stored</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Los ajustes de %1 no se guardaron</translation>
    </message>
    <message>
        <source>%1 cannot be shown yet</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 aún no se puede mostrar</translation>
    </message>
    <message>
        <source>%1 could not be added</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 no se pudo añadir</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 no se pudo renombrar</translation>
    </message>
    <message>
        <source>The list could not be saved, nothing is changed yet</source>
        <translation>La lista no se guardó, todavía no ha cambiado nada</translation>
    </message>
    <message>
        <source>%1: the class list is being changed on %2. Try again to wait for it, or choose Cancel.</source>
        <extracomment>%1 says what could not be done (one of the messages above), %2 is the computer.</extracomment>
        <translation>%1: la lista de la clase se está cambiando en %2. Vuelve a intentarlo para esperar, o pulsa Cancelar.</translation>
    </message>
    <message>
        <source>%1: another computer has removed this pupil.</source>
        <extracomment>%1 says what could not be done (one of the messages above).</extracomment>
        <translation>%1: otro ordenador ha quitado a este alumno.</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <extracomment>%1 says what could not be done, %2 is the file&apos;s name, %3 why (the system&apos;s reason, or one of the reasons at the end).</extracomment>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>No answers kept yet for %1</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Aún no hay respuestas guardadas de %1</translation>
    </message>
    <message>
        <source>The history of %1 could not be read</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>El historial de %1 no se pudo leer</translation>
    </message>
    <message>
        <source>another computer</source>
        <extracomment>Who holds a pupil or the class list when the lock names no one.</extracomment>
        <translation>otro ordenador</translation>
    </message>
    <message>
        <source>the class list holds no more pupils</source>
        <translation>la lista de la clase no admite más alumnos</translation>
    </message>
    <message>
        <source>results are already kept under that name</source>
        <translation>ya hay resultados con ese nombre</translation>
    </message>
    <message>
        <source>it is in use on another computer</source>
        <translation>se está usando en otro ordenador</translation>
    </message>
    <message>
        <source>another computer has taken it over</source>
        <translation>otro ordenador lo ha tomado</translation>
    </message>
    <message>
        <source>another computer has removed it</source>
        <translation>otro ordenador lo ha quitado</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>no está</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it was made by a newer version of Sumblitz</source>
        <translation>lo hizo una versión más nueva de Sumblitz</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>That is not the teacher password.</source>
        <translation>Esa no es la contraseña del profesor.</translation>
    </message>
    <message>
        <source>The current password is not right.</source>
        <translation>La contraseña actual no es correcta.</translation>
    </message>
    <message>
        <source>Type the new password in both boxes.</source>
        <translation>Escribe la nueva contraseña en las dos casillas.</translation>
    </message>
    <message>
        <source>The two new passwords are not the same.</source>
        <translation>Las dos contraseñas nuevas no son iguales.</translation>
    </message>
    <message>
        <source>The teacher password could not be saved</source>
        <translation>No se pudo guardar la contraseña del profesor</translation>
    </message>
    <message>
        <source>The teacher password could not be removed</source>
        <translation>No se pudo quitar la contraseña del profesor</translation>
    </message>
    <message>
        <source>The teacher password cannot be checked (%1): %2. Deleting that file removes the password.</source>
        <extracomment>%1 is the file&apos;s name, %2 why (the system&apos;s reason, or one of the reasons below).</extracomment>
        <translation>No se puede comprobar la contraseña del profesor (%1): %2. Borrar ese archivo quita la contraseña.</translation>
    </message>
    <message>
        <source>%1&apos;s history was damaged: kept as %2, new answers are saved again</source>
        <extracomment>%1 is the pupil, %2 the file her damaged history is kept in.</extracomment>
        <translation>El historial de %1 estaba dañado: se guarda como %2, las respuestas nuevas se vuelven a guardar</translation>
    </message>
    <message>
        <source>%1 is a link out of the class folder: not written</source>
        <extracomment>%1 is the file&apos;s name. A symbolic link leading out of the folder of the class&apos;s files.</extracomment>
        <translation>%1 es un enlace que sale de la carpeta de la clase: no se escribe</translation>
    </message>
    <message>
        <source>%1 (owner %2) cannot be written (%3)</source>
        <extracomment>%1 is the file&apos;s (or folder&apos;s) name, %2 the account that owns it, %3 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 (propietario %2) no se puede escribir (%3)</translation>
    </message>
    <message>
        <source>%1 cannot be made: the folder %2 (owner %3) cannot be written (%4)</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder&apos;s name, %3 the account that owns the folder, %4 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 no se puede crear: la carpeta %2 (propietario %3) no se puede escribir (%4)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 says what could not be done, %2 why (a file not written, or one of the reasons at the end).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>it is a link out of the class folder</source>
        <translation>es un enlace que sale de la carpeta de la clase</translation>
    </message>
    <message>
        <source>the data folder cannot be reached</source>
        <translation>no se puede llegar a la carpeta de datos</translation>
    </message>
</context>
<context>
    <name>sb::Announcer</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>is</source>
        <translation>es</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
<context>
    <name>sb::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>Desc&amp;endente</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Guardar como CS&amp;V…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimir…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the class overview as CSV</source>
        <translation>Guardar el resumen de la clase como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the class overview as PDF</source>
        <translation>Guardar el resumen de la clase como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Every pupil</source>
        <translation>Todos los alumnos</translation>
    </message>
    <message>
        <source>No pupils in the student file yet.</source>
        <translation>Aún no hay alumnos en el archivo de alumnos.</translation>
    </message>
    <message>
        <source>%1 pupils; a week is today and the six days before it.</source>
        <translation>%1 alumnos; una semana es hoy y los seis días anteriores.</translation>
    </message>
    <message>
        <source>class overview</source>
        <comment>the start of a file name</comment>
        <translation>resumen de la clase</translation>
    </message>
    <message>
        <source>Enter opens the pupil&apos;s Progress</source>
        <translation>Intro abre el progreso del alumno</translation>
    </message>
</context>
<context>
    <name>sb::HelpWindow</name>
    <message>
        <source>the folder Sumblitz was started in</source>
        <translation>la carpeta donde se abrió Sumblitz</translation>
    </message>
    <message>
        <source>Sumblitz Help</source>
        <translation>Ayuda de Sumblitz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>On this page</source>
        <translation>En esta página</translation>
    </message>
    <message>
        <source>Heading: %1</source>
        <translation>Encabezado: %1</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Enlace: %1</translation>
    </message>
</context>
<context>
    <name>sb::MainWindow</name>
    <message>
        <source>Step1</source>
        <translation>Paso1</translation>
    </message>
    <message>
        <source>Step2</source>
        <translation>Paso2</translation>
    </message>
    <message>
        <source>Step3</source>
        <translation>Paso3</translation>
    </message>
    <message>
        <source>Step4</source>
        <translation>Paso4</translation>
    </message>
    <message>
        <source>Step5</source>
        <translation>Paso5</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 menos</translation>
    </message>
    <message>
        <source>Subract</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>Div with R</source>
        <translation>Entre con resto</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Addition&quot;</source>
        <translation>&quot;Practica sumas&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtract from 10&quot;</source>
        <translation>&quot;Practica 10 menos un número&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtraction&quot;</source>
        <translation>&quot;Practica restas&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to multiplication&quot;</source>
        <translation>&quot;Practica multiplicaciones&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division without remainders&quot;</source>
        <translation>&quot;Practica divisiones sin resto&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division with Remainders&quot;</source>
        <translation>&quot;Practica divisiones con resto&quot;</translation>
    </message>
    <message>
        <source>SwitchAB</source>
        <translation>Cambiar A y B</translation>
    </message>
    <message>
        <source>&quot;Randomly switches First number and Second number&quot;</source>
        <translation>&quot;A veces cambia el primer y el segundo número&quot;</translation>
    </message>
    <message>
        <source>First Number(A)</source>
        <translation>Primer número (A)</translation>
    </message>
    <message>
        <source>  1 Thru 10</source>
        <translation>  1 a 10</translation>
    </message>
    <message>
        <source>11 Thru 13</source>
        <translation>11 a 13</translation>
    </message>
    <message>
        <source>14 Thru 16</source>
        <translation>14 a 16</translation>
    </message>
    <message>
        <source>17 Thru 20</source>
        <translation>17 a 20</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 1 thru 10 as first number&quot;</source>
        <translation>&quot;Primer número del 1 al 10&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 11 thru 13 as the first number&quot;</source>
        <translation>&quot;Primer número del 11 al 13&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 14 thru 16 as the first number</source>
        <translation>&quot;Primer número del 14 al 16&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 17 thru 20 as the first number&quot;</source>
        <translation>&quot;Primer número del 17 al 20&quot;</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Unslect All</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Second  Num(B)</source>
        <translation>Segundo  número (B)</translation>
    </message>
    <message>
        <source>&quot;selects the Second number&quot;</source>
        <translation>&quot;Elige el segundo número&quot;</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Smart Repeat</source>
        <translation>Repaso listo</translation>
    </message>
    <message>
        <source>&quot;Opens Smart Repeat window&quot;</source>
        <translation>&quot;Abre la ventana Repaso listo&quot;</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>&quot;Opens Student Data window&quot;</source>
        <translation>&quot;Abre la ventana Alumnos&quot;</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&quot;Shows a result of score in Table view&quot;</source>
        <translation>&quot;Muestra tus resultados en una tabla&quot;</translation>
    </message>
    <message>
        <source>? Goto Help</source>
        <translation>? Ayuda</translation>
    </message>
    <message>
        <source>&quot;Opens Help File&quot;</source>
        <translation>&quot;Abre la ayuda&quot;</translation>
    </message>
    <message>
        <source>Settings in use</source>
        <translation>Ajustes en uso</translation>
    </message>
    <message>
        <source>Start Program</source>
        <translation>¡A empezar!</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>&quot;Starts and Restarts the drill&quot;</source>
        <translation>&quot;Empieza o sigue la práctica&quot;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>&quot;Pauses drill&quot;</source>
        <translation>&quot;Pausa la práctica&quot;</translation>
    </message>
    <message>
        <source>New Drill</source>
        <translation>Nueva práctica</translation>
    </message>
    <message>
        <source>&quot;Resets time and score&quot;</source>
        <translation>&quot;Pone el tiempo y los puntos a cero&quot;</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>Shows the pupil&apos;s progress over time (F6)</source>
        <translation>Muestra el progreso del niño con el tiempo (F6)</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>Reads each problem, the answers and the score aloud to this pupil</source>
        <translation>Lee en voz alta a este alumno cada problema, las respuestas y la puntuación</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>Pupil: %1</source>
        <translation>Alumno: %1</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Practice</source>
        <translation>&amp;Práctica de hoy</translation>
    </message>
    <message>
        <source>A short practice of the facts this pupil needs most today</source>
        <translation>Una práctica corta de las operaciones que este alumno más necesita hoy</translation>
    </message>
</context>
<context>
    <name>sb::PasswordSettingWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Contraseña del profesor</translation>
    </message>
    <message>
        <source>Once a teacher password is set, Smart Repeat, Student Data and the progress of other pupils ask for it, on every computer that uses this data folder. It keeps pupils out of those windows, not out of the folder: whoever can delete files there can delete %1, which also removes a forgotten password.</source>
        <translation>Una vez puesta una contraseña del profesor, «Repaso listo», «Alumnos» y el progreso de los demás niños la piden, en cada ordenador que usa esta carpeta de datos. Mantiene a los niños fuera de esas ventanas, no de la carpeta: quien puede borrar archivos allí puede borrar %1, lo que también quita una contraseña olvidada.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Nueva contraseña repetida</translation>
    </message>
    <message>
        <source>&amp;Current password:</source>
        <translation>Contraseña &amp;actual:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nueva contraseña:</translation>
    </message>
    <message>
        <source>New password &amp;again:</source>
        <translation>&amp;Repetir la nueva:</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Cambiar la contraseña</translation>
    </message>
    <message>
        <source>&amp;Set Password</source>
        <translation>&amp;Poner la contraseña</translation>
    </message>
    <message>
        <source>&amp;Remove Password</source>
        <translation>&amp;Quitar la contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sb::PasswordWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Contraseña del profesor</translation>
    </message>
    <message>
        <source>Only the teacher may open this window.</source>
        <translation>Solo el profesor puede abrir esta ventana.</translation>
    </message>
    <message>
        <source>Teacher password</source>
        <translation>Contraseña del profesor</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sb::ProgressChart</name>
    <message>
        <source>Progress chart; its figures are in the table beside it</source>
        <translation>Gráfico del progreso; sus datos están en la tabla de al lado</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% aciertos</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediana en segundos</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Mediana s</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>a day on the chart&apos;s axis, as QDate writes it</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Sin respuestas en este periodo</translation>
    </message>
</context>
<context>
    <name>sb::ProgressWindow</name>
    <message>
        <source>%1, median %2 s of 1 answer</source>
        <translation>%1, mediana %2 s de 1 respuesta</translation>
    </message>
    <message>
        <source>%1, median %2 s of %3 answers</source>
        <translation>%1, mediana %2 s de %3 respuestas</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% aciertos</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Mediana s</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source> s</source>
        <comment>seconds</comment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Operación:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>Do&amp;minada en:</translation>
    </message>
    <message>
        <source>Fluency &amp;grid</source>
        <translation>C&amp;uadrícula</translation>
    </message>
    <message>
        <source>Wrong answers chosen most often</source>
        <translation>Las respuestas incorrectas más frecuentes</translation>
    </message>
    <message>
        <source>&amp;Confusions</source>
        <translation>&amp;Confusiones</translation>
    </message>
    <message>
        <source>Over &amp;time</source>
        <translation>A lo largo del &amp;tiempo</translation>
    </message>
    <message>
        <source>Save history as CS&amp;V...</source>
        <translation>Guardar historial como CS&amp;V…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimir…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the answer history as CSV</source>
        <translation>Guardar el historial de respuestas como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the progress as PDF</source>
        <translation>Guardar el progreso como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Fluency grid: first numbers by second numbers</source>
        <translation>Cuadrícula de cuentas: primeros números por segundos números</translation>
    </message>
    <message>
        <source>The chart&apos;s figures by day</source>
        <translation>Los datos del gráfico, día a día</translation>
    </message>
    <message>
        <source>No wrong answers in this period</source>
        <translation>Ninguna respuesta incorrecta en este periodo</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>progress</source>
        <comment>the start of a file name</comment>
        <translation>progreso</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and what it is</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <translation>%1: sin respuestas.</translation>
    </message>
    <message>
        <source>%1: %2 problems, %3% right, %4 min answering.</source>
        <translation>%1: %2 problemas, %3 % correctos, %4 min respondiendo.</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>The week before</source>
        <translation>La semana anterior</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Facts to practise next, most urgent first</source>
        <translation>Para practicar ahora, lo más urgente primero</translation>
    </message>
    <message>
        <source>Practise &amp;next</source>
        <translation>Practicar a&amp;hora</translation>
    </message>
    <message>
        <source>Nothing to practise next: no fact is often wrong or slow</source>
        <translation>Nada que practicar: ningún problema está a menudo mal o es lento</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Next review: %1, recall now %2%</source>
        <translation>Próximo repaso: %1, recuerdo ahora %2 %</translation>
    </message>
    <message>
        <source>d/M</source>
        <extracomment>a day as short as it goes, in a grid cell (a QDate format)</extracomment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <comment>facts whose review falls today, in Today&apos;s Practice</comment>
        <translation>Para repasar hoy: %1</translation>
    </message>
    <message>
        <source>Each cell: the median seconds of the fact&apos;s last five answers, the recall predicted now and the day of its next review.</source>
        <translation>Cada casilla: la mediana en segundos de las cinco últimas respuestas, la probabilidad prevista de recordar la cuenta ahora y el día de su próximo repaso.</translation>
    </message>
</context>
<context>
    <name>sb::ResultsSurface</name>
    <message>
        <source>none wrong</source>
        <translation>ningún error</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>no preguntado</translation>
    </message>
</context>
<context>
    <name>sb::ResultsWindow</name>
    <message>
        <source>Percent Correct</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Number Wrong</source>
        <translation>Número de errores</translation>
    </message>
    <message>
        <source>Ratio: Correct/Total</source>
        <translation>Relación: aciertos/total</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Tabla de resultados</translation>
    </message>
    <message>
        <source>Scroll the table</source>
        <translation>Mover la tabla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>Save all facts as &amp;CSV...</source>
        <translation>Guardar todas las cuentas como &amp;CSV…</translation>
    </message>
    <message>
        <source>Results table, </source>
        <translation>Tabla de resultados, </translation>
    </message>
    <message>
        <source>No drill yet: the table is empty.</source>
        <translation>Aún no hay práctica: la tabla está vacía.</translation>
    </message>
    <message>
        <source>Results Table: </source>
        <translation>Tabla de resultados: </translation>
    </message>
    <message>
        <source>Print the Results Table</source>
        <translation>Imprimir la tabla de resultados</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the Results Table as PDF</source>
        <translation>Guardar la tabla de resultados como PDF</translation>
    </message>
    <message>
        <source>Save every fact as CSV</source>
        <translation>Guardar todas las cuentas como CSV</translation>
    </message>
    <message>
        <source>Each fact has its cell: rows 1 to 20 down the side, columns 1 to 10 (the second number) across the top.</source>
        <translation>Cada cuenta tiene su casilla: las filas 1 a 20 al lado, las columnas 1 a 10 (el segundo número) arriba.</translation>
    </message>
    <message>
        <source> Row 7, column 4 is </source>
        <translation> Fila 7, columna 4 es </translation>
    </message>
    <message>
        <source>Percent Correct: the right answers in percent of those given. Number Wrong: the wrong answers (time-outs included), as a negative number. Ratio: right answers / answers given. * : never asked (in Number Wrong: none wrong).</source>
        <translation>Porcentaje de aciertos: las respuestas correctas en porcentaje de las dadas. Número de errores: las respuestas mal (también las de tiempo agotado), como número negativo. Relación: respuestas correctas / respuestas dadas. * : nunca preguntado (en Número de errores: ningún error).</translation>
    </message>
    <message>
        <source>: shown</source>
        <translation>: visible</translation>
    </message>
    <message>
        <source>: not shown</source>
        <translation>: no visible</translation>
    </message>
</context>
<context>
    <name>sb::SmartWindow</name>
    <message>
        <source>Smart Repeat</source>
        <translation>Repaso listo</translation>
    </message>
    <message>
        <source>Repeat Math Fact if:</source>
        <translation>Repetir la cuenta si:</translation>
    </message>
    <message>
        <source>Remove MathFact if:</source>
        <translation>Quitar la cuenta si:</translation>
    </message>
    <message>
        <source>End Drill Controls</source>
        <translation>Fin de la práctica</translation>
    </message>
    <message>
        <source>Minor Options</source>
        <translation>Otros ajustes</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Opens Student Data Window</source>
        <translation>Abre la ventana Alumnos</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close Current window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Activates Repeat when answer is incorrect</source>
        <translation>Repite cuando la respuesta está mal</translation>
    </message>
    <message>
        <source> Wrong</source>
        <translation> Mal</translation>
    </message>
    <message>
        <source>Wrong Times</source>
        <translation>Cuántas veces mal</translation>
    </message>
    <message>
        <source>How many timesWrong to trigger Repeat cycle</source>
        <translation>Cuántas veces mal antes de repetir</translation>
    </message>
    <message>
        <source>Times      -&gt;Then Do</source>
        <translation>veces      -&gt;luego</translation>
    </message>
    <message>
        <source>Number of repeats</source>
        <translation>Cuántas veces repetir</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>Slower Than</source>
        <translation>Más lento que</translation>
    </message>
    <message>
        <source>Activates Repeat when slow</source>
        <translation>Repite cuando la respuesta es lenta</translation>
    </message>
    <message>
        <source> Slower Than</source>
        <translation> Más lento que</translation>
    </message>
    <message>
        <source>Slower Than seconds</source>
        <translation>Más lento que segundos</translation>
    </message>
    <message>
        <source>Trigger to start Repeat feature</source>
        <translation>Desde aquí se repite</translation>
    </message>
    <message>
        <source>seconds -&gt;Then Do</source>
        <translation>segundos -&gt;luego</translation>
    </message>
    <message>
        <source>Number of Repeats</source>
        <translation>Cuántas veces repetir</translation>
    </message>
    <message>
        <source>Repeat randomly within next</source>
        <translation>Repetir en las próximas</translation>
    </message>
    <message>
        <source>Repeat randomly within next questions</source>
        <translation>Repetir en las próximas cuentas</translation>
    </message>
    <message>
        <source>&quot;Interval for Repeat&quot;</source>
        <translation>&quot;Cuándo repetir&quot;</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>cuentas</translation>
    </message>
    <message>
        <source>Consecutively Correct</source>
        <translation>Bien seguidas</translation>
    </message>
    <message>
        <source>&quot;Activates Remove&quot;</source>
        <translation>&quot;Activa quitar&quot;</translation>
    </message>
    <message>
        <source> Consecutively Correct</source>
        <translation> Bien seguidas</translation>
    </message>
    <message>
        <source>Trigger for Remove</source>
        <translation>Desde aquí se quita</translation>
    </message>
    <message>
        <source>Correct Faster Than</source>
        <translation>Bien más rápido que</translation>
    </message>
    <message>
        <source>Activates Remove</source>
        <translation>Activa quitar</translation>
    </message>
    <message>
        <source>Seconds In Last</source>
        <translation>segundos en las últimas</translation>
    </message>
    <message>
        <source>Seconds In Last Problems</source>
        <translation>segundos en las últimas cuentas</translation>
    </message>
    <message>
        <source>Number of Problems to Trigger Remove</source>
        <translation>Número de cuentas antes de quitar</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>cuentas</translation>
    </message>
    <message>
        <source>Let Remove OverRide Repeat</source>
        <translation>Quitar va antes que repetir</translation>
    </message>
    <message>
        <source>Removes even with pending Repeats</source>
        <translation>Quita aunque falten repeticiones</translation>
    </message>
    <message>
        <source> Let Remove OverRide Repeat</source>
        <translation> Quitar va antes que repetir</translation>
    </message>
    <message>
        <source>   Save Level at end of drill</source>
        <translation>   Guardar el nivel al terminar</translation>
    </message>
    <message>
        <source>Loads current Settings on Start</source>
        <translation>Carga los ajustes al empezar</translation>
    </message>
    <message>
        <source>Max Time(min)</source>
        <translation>Tiempo máx. (min)</translation>
    </message>
    <message>
        <source>&quot;The maximum time in minutes the drill will last&quot;</source>
        <translation>&quot;La práctica dura como mucho estos minutos&quot;</translation>
    </message>
    <message>
        <source>Max Problems</source>
        <translation>Cuentas máx.</translation>
    </message>
    <message>
        <source>&quot;The maximum number of problems to drill&quot;</source>
        <translation>&quot;Hay como mucho estas cuentas&quot;</translation>
    </message>
    <message>
        <source>ShockClock(sec)</source>
        <translation>Reloj rayo (s)</translation>
    </message>
    <message>
        <source>&quot;Time limit to answer question in seconds&quot;</source>
        <translation>&quot;Tienes estos segundos para contestar&quot;</translation>
    </message>
    <message>
        <source>Delay Time(Sec)</source>
        <translation>Espera (s)</translation>
    </message>
    <message>
        <source>&quot;Locks controls for a few seconds</source>
        <translation>&quot;Bloquea los botones unos segundos&quot;</translation>
    </message>
    <message>
        <source>Stop Drill when:</source>
        <translation>Parar cuando:</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>se acabe el tiempo</translation>
    </message>
    <message>
        <source>Done all Problems</source>
        <translation>estén todas las cuentas</translation>
    </message>
    <message>
        <source>Either is finished</source>
        <translation>termine uno de los dos</translation>
    </message>
    <message>
        <source>Both are finished</source>
        <translation>terminen los dos</translation>
    </message>
    <message>
        <source>Do Not Stop Drill</source>
        <translation>No parar</translation>
    </message>
    <message>
        <source>&quot;Stops drill by time only&quot;</source>
        <translation>&quot;Para solo por el tiempo&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill by Number of problems only&quot;</source>
        <translation>&quot;Para solo por el número de cuentas&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill on the first of the two to reach its limit&quot;</source>
        <translation>&quot;Para en cuanto llega uno de los dos&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops the drill on the last of the two to reach its limit&quot;</source>
        <translation>&quot;Para cuando llegan los dos&quot;</translation>
    </message>
    <message>
        <source>&quot;Drill is not Stopped</source>
        <translation>&quot;La práctica no para&quot;</translation>
    </message>
    <message>
        <source>Popup screen time</source>
        <translation>Ventana de aviso</translation>
    </message>
    <message>
        <source>Popup screen time (Sec)</source>
        <translation>Ventana de aviso (s)</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Original Default  </source>
        <translation>Valores de fábrica  </translation>
    </message>
    <message>
        <source>Original Defaults</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Reset to Original Default Values</source>
        <translation>Volver a los valores de fábrica</translation>
    </message>
    <message>
        <source>Current As Default</source>
        <translation>Guardar como estándar</translation>
    </message>
    <message>
        <source>Use Current Values as Default</source>
        <translation>Usar estos valores como estándar</translation>
    </message>
    <message>
        <source>Then Do Repeats when wrong</source>
        <translation>Luego repetir tantas veces si está mal</translation>
    </message>
    <message>
        <source>Then Do Repeats when slow</source>
        <translation>Luego repetir tantas veces si es lento</translation>
    </message>
    <message>
        <source>Consecutively Correct times</source>
        <translation>Veces bien seguidas</translation>
    </message>
    <message>
        <source>Correct Faster Than seconds</source>
        <translation>Bien más rápido que segundos</translation>
    </message>
</context>
<context>
    <name>sb::StudentWindow</name>
    <message>
        <source>Start Review After</source>
        <translation>Repasar tras</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>cuentas</translation>
    </message>
    <message>
        <source>Triggers Review Feature on</source>
        <translation>Desde aquí se repasa</translation>
    </message>
    <message>
        <source>Start review after (problems)</source>
        <translation>Repasar tras (cuentas)</translation>
    </message>
    <message>
        <source>End Review After</source>
        <translation>Terminar tras</translation>
    </message>
    <message>
        <source>Triggers Review Feature Off</source>
        <translation>Hasta aquí se repasa</translation>
    </message>
    <message>
        <source>End review after (problems)</source>
        <translation>Terminar el repaso tras (cuentas)</translation>
    </message>
    <message>
        <source>Advance   MathFact if:  </source>
        <translation>Avanzar   si:  </translation>
    </message>
    <message>
        <source>% Correct</source>
        <translation>% bien</translation>
    </message>
    <message>
        <source>Trigger to Advance Number</source>
        <translation>Desde aquí se avanza</translation>
    </message>
    <message>
        <source>Advance math fact if percent correct</source>
        <translation>Avanzar si este porcentaje está bien</translation>
    </message>
    <message>
        <source>in last</source>
        <translation>en las últimas</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>cuentas</translation>
    </message>
    <message>
        <source>Minimum to take Average</source>
        <translation>Cuentas que se cuentan</translation>
    </message>
    <message>
        <source>in last (problems)</source>
        <translation>en las últimas (cuentas)</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Step1: Load Student</source>
        <translation>Paso1: elegir alumno</translation>
    </message>
    <message>
        <source>New Student/Rename Student</source>
        <translation>Alumno nuevo/Renombrar</translation>
    </message>
    <message>
        <source>&quot;Type in Students Name here</source>
        <translation>&quot;Escribe aquí el nombre&quot;</translation>
    </message>
    <message>
        <source>Add Student to List</source>
        <translation>Añadir a la lista</translation>
    </message>
    <message>
        <source>Click to select student</source>
        <translation>Haz clic para elegir un alumno</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>SortList</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Step2:Set Level</source>
        <translation>Paso2: elegir nivel</translation>
    </message>
    <message>
        <source>Students Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Displays current student</source>
        <translation>Muestra el alumno</translation>
    </message>
    <message>
        <source>Load on Start Up</source>
        <translation>Cargar al empezar</translation>
    </message>
    <message>
        <source>Loads Current student on Program Start</source>
        <translation>Carga este alumno al empezar</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Activates Review Feature</source>
        <translation>Activa el repaso</translation>
    </message>
    <message>
        <source>Review active</source>
        <translation>Repaso activo</translation>
    </message>
    <message>
        <source>Second number %1</source>
        <translation>Segundo número %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 menos</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>Divide with remainder</source>
        <translation>Entre con resto</translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Empezar/Parar</translation>
    </message>
    <message>
        <source>Toggles Teach Mode</source>
        <translation>Enciende o apaga la guía</translation>
    </message>
    <message>
        <source>Repeat Setting</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Opens Smart Repeat Window</source>
        <translation>Abre la ventana Repaso listo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes this Window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <source>Students Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Segundos números</translation>
    </message>
    <message>
        <source>Class &amp;Overview...</source>
        <translation>&amp;Resumen de la clase…</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Tomar aquí</translation>
    </message>
    <message>
        <source>Make this pupil current here although another computer has her: only when that computer is off</source>
        <translation>Tomar aquí a este alumno aunque otro ordenador lo tenga: solo si ese ordenador está apagado</translation>
    </message>
    <message>
        <source>Teacher &amp;Password...</source>
        <translation>&amp;Contraseña del profesor…</translation>
    </message>
    <message>
        <source>Sets, changes or removes the password that Smart Repeat, Student Data and other pupils&apos; progress ask for</source>
        <translation>Pone, cambia o quita la contraseña que piden «Repaso listo», «Alumnos» y el progreso de los demás niños</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Practice:</source>
        <translation>Prá&amp;ctica de hoy:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>How long this pupil&apos;s Today&apos;s Practice lasts</source>
        <translation>Cuánto dura la práctica de hoy de este alumno</translation>
    </message>
    <message>
        <source>Today&apos;s Practice minutes</source>
        <translation>Minutos de la práctica de hoy</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>Pri&amp;mero</translation>
    </message>
    <message>
        <source>The main window offers Today&apos;s Practice before Start</source>
        <translation>La ventana principal ofrece la práctica de hoy antes de Empezar</translation>
    </message>
    <message>
        <source>Today&apos;s Practice first</source>
        <translation>Práctica de hoy primero</translation>
    </message>
    <message>
        <source>by time</source>
        <translation>por tiempo</translation>
    </message>
    <message>
        <source> problems</source>
        <translation> cuentas</translation>
    </message>
    <message>
        <source>Or how many problems this pupil&apos;s Today&apos;s Practice has</source>
        <translation>O cuántas cuentas tiene la práctica de hoy de este alumno</translation>
    </message>
    <message>
        <source>Today&apos;s Practice problems</source>
        <translation>Cuentas de la práctica de hoy</translation>
    </message>
</context>
</TS>
