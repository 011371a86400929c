<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Сравнительная таблица различных переводов санскритских терминов</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Сравнительная таблица различных переводов санскритских терминов</h1>
<p>Готовится таблица, в которой будет показано, как разные переводчики передают одни и те же санскритские термины. Здесь появится эта таблица.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
